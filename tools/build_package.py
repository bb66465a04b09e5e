#!/usr/bin/env python3
"""Build the driver package that the programs install from, and the programs' icon.

    build_package.py SRC DEST         build the package from SRC into DEST
    build_package.py --icon FILE      write the programs' icon (resource 128)
    build_package.py SRC DEST --icon FILE   both

The package is the source folder as committed, made ready for Windows:

* DEST is replaced as a whole by a copy of SRC (built next to DEST first, so a failed
  build leaves the old DEST in place).
* Every NAME.utf8.ini and NAME.utf8.txt is converted from UTF-8 to GBK (code page 936,
  what the Chinese Windows ANSI functions read) and written as NAME.ini / NAME.txt; the
  .utf8 file itself is not part of the package. A character that GBK cannot hold stops
  the build with its file, line and column.
* Every .ini and .txt file gets CR LF line ends: the licence page shows the licence file
  unchanged in a multi-line edit box, which breaks lines only at CR LF.
* DRVCONFIG\\Left.bmp, the wizard's side picture, is drawn here (24-bit BMP).

Standard library only.
"""

import argparse
import math
import os
import shutil
import struct
import sys
import tempfile

UTF8_SUFFIXES = (".utf8.ini", ".utf8.txt")
TEXT_SUFFIXES = (".ini", ".txt")

SIDE_PICTURE_SIZE = (164, 314)
ICON_SIZE = 32


class BuildError(Exception):
    pass


# ---------------------------------------------------------------- text conversion

def crlf(text):
    """Line ends of any kind become CR LF."""
    return text.replace("\r\n", "\n").replace("\r", "\n").replace("\n", "\r\n")


def encode_gbk(text, source_name):
    try:
        return text.encode("gbk")
    except UnicodeEncodeError as error:
        line = text.count("\n", 0, error.start) + 1
        column = error.start - (text.rfind("\n", 0, error.start) + 1) + 1
        bad = text[error.start:error.end]
        codes = " ".join("U+%04X" % ord(c) for c in bad)
        raise BuildError("%s:%d:%d: %r (%s) has no GBK code" % (source_name, line, column, bad, codes))


def convert_utf8_file(path, source_name):
    """NAME.utf8.ext -> NAME.ext in GBK with CR LF; returns the new path."""
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        raise BuildError("%s: not UTF-8 at byte %d" % (source_name, error.start))
    target = path[: -len(".utf8.xxx")] + path[-4:]
    if os.path.exists(target):
        raise BuildError("%s: the package already has %s beside it" % (source_name, os.path.basename(target)))
    data = encode_gbk(crlf(text), source_name)
    with open(target, "wb") as f:
        f.write(data)
    os.remove(path)
    return target


def normalise_line_ends(path):
    with open(path, "rb") as f:
        raw = f.read()
    fixed = raw.replace(b"\r\n", b"\n").replace(b"\r", b"\n").replace(b"\n", b"\r\n")
    if fixed != raw:
        with open(path, "wb") as f:
            f.write(fixed)


def convert_texts(root, source_root):
    utf8_files, text_files = [], []
    for folder, _dirs, files in os.walk(root):
        for name in sorted(files):
            path = os.path.join(folder, name)
            lower = name.lower()
            if lower.endswith(UTF8_SUFFIXES):
                utf8_files.append(path)
            elif lower.endswith(TEXT_SUFFIXES):
                text_files.append(path)
    for path in utf8_files:
        convert_utf8_file(path, os.path.join(source_root, os.path.relpath(path, root)))
    for path in text_files:
        normalise_line_ends(path)
    return len(utf8_files)


# ---------------------------------------------------------------- drawing

class Canvas:
    """RGBA pixels as floats 0..1, top row first. Shapes are drawn with 4x4
    supersampled coverage, so edges come out smooth."""

    SAMPLES = [(i + 0.5) / 4.0 for i in range(4)]

    def __init__(self, width, height, colour=(0.0, 0.0, 0.0), alpha=1.0):
        self.width, self.height = width, height
        self.pixels = [[list(colour) + [alpha] for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        p = self.pixels[y][x]
        out_alpha = alpha + p[3] * (1.0 - alpha)
        for i in range(3):
            p[i] = (colour[i] * alpha + p[i] * p[3] * (1.0 - alpha)) / out_alpha
        p[3] = out_alpha

    def fill(self, inside, box, colour, alpha=1.0):
        """inside(x, y) -> bool for a point; box = (x0, y0, x1, y1) limits the work."""
        x0, y0, x1, y1 = box
        for y in range(max(0, int(y0) - 1), min(self.height, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(x0) - 1), min(self.width, int(math.ceil(x1)) + 1)):
                hits = sum(1 for sy in self.SAMPLES for sx in self.SAMPLES if inside(x + sx, y + sy))
                if hits:
                    self.blend(x, y, colour, alpha * hits / 16.0)

    def rounded_rect(self, x0, y0, x1, y1, radius, colour, alpha=1.0):
        def inside(px, py):
            if not (x0 <= px <= x1 and y0 <= py <= y1):
                return False
            cx = min(max(px, x0 + radius), x1 - radius)
            cy = min(max(py, y0 + radius), y1 - radius)
            return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius
        self.fill(inside, (x0, y0, x1, y1), colour, alpha)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.rounded_rect(x0, y0, x1, y1, 0.0, colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        def inside(px, py):
            return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0
        self.fill(inside, (cx - rx, cy - ry, cx + rx, cy + ry), colour, alpha)

    def soft_ellipse(self, cx, cy, rx, ry, colour, alpha):
        """A shadow: full alpha in the middle fading to nothing at the rim."""
        for y in range(max(0, int(cy - ry)), min(self.height, int(cy + ry) + 2)):
            for x in range(max(0, int(cx - rx)), min(self.width, int(cx + rx) + 2)):
                d = math.hypot((x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry)
                if d < 1.0:
                    self.blend(x, y, colour, alpha * (1.0 - d) ** 1.5)

    def bytes_bgr(self, row):
        out = bytearray()
        for r, g, b, _a in self.pixels[row]:
            out += bytes((to_byte(b), to_byte(g), to_byte(r)))
        return out

    def bytes_bgra(self, row):
        out = bytearray()
        for r, g, b, a in self.pixels[row]:
            out += bytes((to_byte(b), to_byte(g), to_byte(r), to_byte(a)))
        return out


def to_byte(value):
    return max(0, min(255, int(round(value * 255.0))))


def rgb(r, g, b):
    return (r / 255.0, g / 255.0, b / 255.0)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def draw_printer(c, left, top, scale):
    """A receipt printer seen from the front, paper coming out of its top.
    (left, top) is the top-left corner of the paper; every length scales with scale."""
    s = scale
    paper = rgb(250, 250, 245)
    ink = rgb(150, 156, 168)
    body = rgb(228, 232, 238)
    lid = rgb(196, 203, 214)
    slot = rgb(58, 64, 78)
    # Paper strip, then its printed lines.
    c.rect(left + 18 * s, top, left + 78 * s, top + 84 * s, paper)
    for i, w in enumerate([44, 30, 40, 22, 44, 36, 26]):
        y = top + (9 + i * 9) * s
        c.rect(left + 25 * s, y, left + (25 + w) * s, y + 2.5 * s, ink)
    # Body with its lid and the paper slot.
    c.rounded_rect(left, top + 72 * s, left + 96 * s, top + 142 * s, 10 * s, body)
    c.rounded_rect(left, top + 72 * s, left + 96 * s, top + 96 * s, 10 * s, lid)
    c.rect(left, top + 88 * s, left + 96 * s, top + 96 * s, lid)
    c.rounded_rect(left + 14 * s, top + 78 * s, left + 82 * s, top + 85 * s, 2 * s, slot)
    # Front: a feed button and the power lamp.
    c.rounded_rect(left + 12 * s, top + 118 * s, left + 34 * s, top + 128 * s, 3 * s, lid)
    c.ellipse(left + 80 * s, top + 123 * s, 4 * s, 4 * s, rgb(70, 196, 120))


def side_picture():
    width, height = SIDE_PICTURE_SIZE
    c = Canvas(width, height)
    top_colour, bottom_colour = rgb(20, 42, 88), rgb(58, 132, 176)
    glow = rgb(150, 205, 235)
    for y in range(height):
        base = mix(top_colour, bottom_colour, y / (height - 1.0))
        for x in range(width):
            # A soft light behind the printer.
            d = math.hypot((x - width * 0.5) / 90.0, (y - 196.0) / 120.0)
            light = max(0.0, 1.0 - d) ** 2 * 0.45
            c.pixels[y][x][:3] = list(mix(base, glow, light))
    # Two faint bands across the top for a little depth.
    c.rect(0, 40, width, 41, rgb(255, 255, 255), 0.10)
    c.rect(0, 46, width, 47, rgb(255, 255, 255), 0.06)
    c.soft_ellipse(width / 2.0, 250.0, 62.0, 9.0, rgb(5, 15, 35), 0.55)
    draw_printer(c, (width - 96) / 2.0, 100.0, 1.0)
    return c


def program_icon():
    """The printer again, redrawn for 32x32: fewer details, an outline so that it
    stands out on light and dark backgrounds."""
    c = Canvas(ICON_SIZE, ICON_SIZE, alpha=0.0)
    outline = rgb(28, 48, 92)
    # Paper with three printed lines.
    c.rect(8.5, 2.5, 23.5, 17.0, outline)
    c.rect(9.5, 3.5, 22.5, 17.0, rgb(252, 252, 248))
    for y in (6.0, 9.0, 12.0):
        c.rect(11.5, y, 20.5 if y != 9.0 else 17.5, y + 1.2, rgb(120, 128, 144))
    # Body: outline, lid and front in the picture's blues and greys.
    c.rounded_rect(1.5, 14.5, 30.5, 29.5, 3.5, outline)
    c.rounded_rect(2.5, 15.5, 29.5, 28.5, 2.5, rgb(226, 231, 238))
    c.rect(2.5, 15.5, 29.5, 20.5, rgb(74, 134, 190))
    c.rect(7.5, 17.0, 24.5, 18.8, outline)
    c.ellipse(25.0, 24.5, 1.8, 1.8, rgb(52, 190, 110))
    c.rounded_rect(5.0, 23.2, 11.0, 25.8, 1.0, rgb(160, 170, 186))
    return c


def bmp_24(c):
    """A Windows BMP: BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up BGR rows padded
    to four bytes, no compression."""
    stride = (c.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in range(c.height - 1, -1, -1):
        line = c.bytes_bgr(row)
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + bytes(pixels)


def ico_32(c):
    """A one-image .ico: ICONDIR, ICONDIRENTRY, then the image as a BITMAPINFOHEADER
    (height doubled for the mask), bottom-up BGRA rows and the 1-bit AND mask
    (set where the picture is fully transparent), each mask row padded to 32 bits."""
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((c.width + 31) // 32) * 4
    for row in range(c.height - 1, -1, -1):
        colour += c.bytes_bgra(row)
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(c.pixels[row]):
            if to_byte(pixel[3]) == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = info + bytes(colour) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------- the build

def build_package(source, dest):
    source = os.path.abspath(source)
    dest = os.path.abspath(dest)
    if not os.path.isdir(source):
        raise BuildError("%s: no such folder" % source)
    if dest == source or dest.startswith(source + os.sep) or source.startswith(dest + os.sep):
        raise BuildError("the package folder must lie outside the source folder and not hold it")
    parent = os.path.dirname(dest)
    os.makedirs(parent, exist_ok=True)
    work = tempfile.mkdtemp(prefix=".package-", dir=parent)
    try:
        staged = os.path.join(work, "package")
        shutil.copytree(source, staged)
        converted = convert_texts(staged, source)
        config = os.path.join(staged, "DRVCONFIG")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "Left.bmp"), "wb") as f:
            f.write(bmp_24(side_picture()))
        if os.path.lexists(dest):
            if os.path.isdir(dest) and not os.path.islink(dest):
                shutil.rmtree(dest)
            else:
                os.remove(dest)
        os.rename(staged, dest)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return converted


def write_icon(path):
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    with open(path, "wb") as f:
        f.write(ico_32(program_icon()))


def main(argv):
    parser = argparse.ArgumentParser(description="Build the sample driver package and the program icon.")
    parser.add_argument("source", nargs="?", help="package source folder (samples/package)")
    parser.add_argument("dest", nargs="?", help="folder of the built package (replaced)")
    parser.add_argument("--icon", metavar="PATH", help="write the 32x32 program icon to PATH")
    args = parser.parse_args(argv)
    if (args.source is None) != (args.dest is None) or (args.source is None and args.icon is None):
        parser.error("give SRC and DEST, --icon PATH, or both")
    try:
        if args.source is not None:
            converted = build_package(args.source, args.dest)
            print("package built in %s (%d text file(s) converted to GBK)" % (args.dest, converted))
        if args.icon is not None:
            write_icon(args.icon)
            print("icon written to %s" % args.icon)
    except (BuildError, OSError) as error:
        print("build_package: error: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
