#!/usr/bin/env python3
"""Checks of the built sample driver package.

    test_package.py [BUILT_PACKAGE]

Without an argument the package is built from samples/package into a temporary
folder first. Prints one line per failed check and ends with 'N passed, N failed';
the exit code is 1 when a check failed.
"""

import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
BUILD_SCRIPT = os.path.join(SOURCE_ROOT, "tools", "build_package.py")
PACKAGE_SOURCE = os.path.join(SOURCE_ROOT, "samples", "package")

# Every section and key that the wizard reads from the language files.
LANGUAGE_KEYS = {
    "Setup": ["Close", "Nonsupport", "PortNull", "Caption", "Help", "Back", "Next", "Install", "Cancel"],
    "About": ["Version", "Copyright", "OK", "Caption"],
    "Help Guide": ["Caption"],
    "Legal": ["Agreement", "Accept", "Reject"],
    "Series": ["Select", "Receipt", "Ticket", "Label", "Embedded", "Default"],
    "Mode": ["Type", "Typical", "Advanced", "Remarks", "Note1", "Note2", "Note3"],
    "System": ["Select"],
    "Confirm": ["Set", "Ports", "Com", "BaudRate", "Parity", "ByteSize", "StopBits", "Protocol", "Raster",
                "Parity.Even", "Parity.Mark", "Parity.None", "Parity.Odd", "Parity.Space",
                "Protocol.None", "Protocol.Xonoff", "Protocol.Hardware"],
    "Progress": ["Wait"],
    "Message": [
        "IDS_X64", "IDS_X32", "IDS_ABOUTBOX", "IDS_ERR_NOLEFT", "IDS_ERR_NOLICENSE", "IDS_ADMIN",
        "IDS_ERR_SYSTEM", "IDS_TYPICAL_NOTES", "IDS_NOTSUPPORTNT", "IDS_NOTSUPPORT2003",
        "IDS_NOTSUPPORTVISTA", "IDS_NOTSUPPORT2008", "IDS_NOTSUPPORTWin7",
        "IDS_ERR_SELPRINTER", "IDS_ERR_NOSUPPORTINTERFACE", "IDS_ERR_CLASSPRINTERNONEXIST",
        "IDS_ERR_ONEPRINTER", "IDS_ERR_CLASSPRINTERIDERROR", "IDS_ERR_IPADDRISNULL",
        "IDS_ERR_ADDPORTERROR", "IDS_ERR_NOUSBDEVICE", "IDS_INF_CHANGEID", "IDS_ERR_NOSUPPORTUSB",
        "IDS_INF_NTRESTART", "IDS_INF_RESTART", "IDS_ERR_EXITWIN",
        "IDS_ERR_TOOMANY", "IDS_ERR_ADDPRINTER", "IDS_ERR_ADDPRNDRV3", "IDS_ERR_ADDMONITOR",
        "IDS_ERR_ADDPROCESSOR", "IDS_ERR_ALLOCMEMORY", "IDS_ERR_COPYFIEL", "IDS_ERR_COPYFIEL1",
        "IDS_ERR_DIRTYPE", "IDS_ERR_GETSYSDIR", "IDS_ERR_GETWINDIR", "IDS_ERR_GETDRIVERDIR",
        "IDS_ERR_GETPRODIR", "IDS_ERR_NEEDRESTART", "IDS_ERR_LOSTDRIVERFILE", "IDS_INF_USBRESTART",
        "IDS_ERR_HARDWAREIDNULL", "IDS_ERR_UPDATEUSB", "IDS_ERR_UNSUPPORTCOM"],
}

# (file, encoding, the wizard title that start-up searches for)
LANGUAGE_FILES = [
    ("language/setup_EN.ini", "ascii", "Printer Driver Setup"),
    ("language/setup_CN.ini", "gbk", "打印机驱动安装程序"),
]
LICENCE_FILES = [("License/License_EN.txt", "ascii"), ("License/License_CN.txt", "gbk")]

# The port page lists these items in this order and decides the parity and the flow
# control by the chosen item's position, so each list needs distinct, short texts.
PARITY_ITEMS = ["Parity.Even", "Parity.Mark", "Parity.None", "Parity.Odd", "Parity.Space"]
FLOW_ITEMS = ["Protocol.None", "Protocol.Xonoff", "Protocol.Hardware"]
LIST_TEXT_LIMIT = 19          # the page reads list texts into 20 bytes
TEXT_LIMIT = 2047             # the text store reads into 2048 bytes

TYPE_SUFFIXES = ["-ReceiptPrinter", "-TicketPrinter", "-LabelPrinter", "-EmbeddedPrinter"]
TYPE_FILES = ["setup_receipt", "setup_ticket", "setup_label", "setup_embedded"]
BITNESSES = [("32-bit", ""), ("64-bit", "_64")]
OS_SUFFIXES = [".98", ".NT", ".2K", ".XP", ".2003", ".Vista", ".2008", ".Win7"]
BAUD_RATES = {0, 110, 300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}

PORT_KEYS = ["USBSUPPORTED", "LPTSUPPORTED", "COMSUPPORTED", "NETSUPPORTED", "LPTDEFAULT", "RASTERVISIABLE",
             "AdvancedSetup", "SystemNTSupported", "System2003Supported", "SystemVistaSupported",
             "System2008Supported", "SystemWin7Supported", "BaudRate"]
# Windows version sections a model needs when it offers a port: (suffix, the .PORT key
# that allows it or None for always, whether the 64-bit files have it at all).
OS_SECTIONS_NEEDED = [(".NT", "SystemNTSupported", False), (".2K", None, False), (".XP", None, True),
                      (".2003", "System2003Supported", True), (".Vista", "SystemVistaSupported", True),
                      (".2008", "System2008Supported", True), (".Win7", "SystemWin7Supported", True)]
# Driver name key per port kind on Windows 2000 and later.
DRIVER_NAME_KEYS = [("COMSUPPORTED", "DriverNameS"), ("LPTSUPPORTED", "DriverNameP"),
                    ("USBSUPPORTED", "DriverNameU"), ("NETSUPPORTED", "DriverNameN")]
REQUIRED_FILE_SLOTS = ["DriverPath", "DataFile", "ConfigFile", "HelpFile"]
OPTIONAL_FILE_SLOTS = ["ProcessorDLLName", "DataFileDLLName", "DataOemuniDLL", "DataOemuniini", "DataOemuiDLL"]
MODEL_FILE_KEYS = ["ControlFontFile", "USBInternalID", "DriverlogViewer", "DriverlogINI"] + \
    ["LanguageResourceFile%d" % i for i in range(1, 10)]
DDK_FILES = ["TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD"]
NAME_LIMIT = 49               # driver, processor, monitor and UI-DLL names: 50-byte reads
VALUE_LIMIT = 199             # file names: 200-byte reads
DEPENDENT_LIST_LIMIT = 200

MONITOR_KEYS = [  # key, kind (name / dll / version), longest value
    ("USBLMONitorName", "name", NAME_LIMIT), ("USBLMONitorDLLName", "dll", VALUE_LIMIT),
    ("USBLMONitorVersion", "version", 9),
    ("USBMONitorPName", "name", NAME_LIMIT), ("USBMONitorPDLLName", "dll", VALUE_LIMIT),
    ("USBMONitorPUIDLLName", "dll", NAME_LIMIT), ("USBMONitorVersion", "version", 9),
    ("COMMONitorPName", "name", NAME_LIMIT), ("COMMONitorPDLLName", "dll", VALUE_LIMIT),
    ("COMMONitorPUIDLLName", "dll", NAME_LIMIT), ("COMMONitorVersion", "version", 9)]
# Models whose class printer always gets USB number 1 (the class-printer lookup).
ALWAYS_FIRST_CLASS_ID = ("QMX-T20", "QMX-T910H")


class Results:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print("FAIL %s%s" % (name, (": " + detail) if detail else ""))
        return ok


# ---------------------------------------------------------------- reading

class Ini:
    """An INI file read as the Windows profile functions read it: names without regard to
    case, the first section and key of a name win, blanks trimmed, quotes removed."""

    def __init__(self, text):
        self.sections = []  # (name, [(key, value)])
        current = None
        for raw in text.replace("\r\n", "\n").replace("\r", "\n").split("\n"):
            line = raw.strip(" \t")
            if not line or line.startswith(";"):
                continue
            if line.startswith("["):
                end = line.find("]")
                current = (line[1:end if end >= 0 else None].strip(), [])
                self.sections.append(current)
            elif current is not None:
                key, eq, value = line.partition("=")
                value = value.strip(" \t")
                if len(value) >= 2 and value[0] in "\"'" and value[-1] == value[0]:
                    value = value[1:-1]
                current[1].append((key.strip(" \t"), value if eq else ""))

    def section(self, name):
        for section_name, entries in self.sections:
            if section_name.lower() == name.lower():
                return entries
        return None

    def get(self, section, key, default=None):
        entries = self.section(section)
        if entries is None:
            return default
        for entry_key, value in entries:
            if entry_key.lower() == key.lower():
                return value
        return default

    def names(self):
        return [name for name, _ in self.sections]


def read_bytes(root, relative):
    path = os.path.join(root, *relative.split("/"))
    if not os.path.isfile(path):
        return None
    with open(path, "rb") as f:
        return f.read()


def read_ini(root, relative, encoding="ascii"):
    data = read_bytes(root, relative)
    return None if data is None else Ini(data.decode(encoding))


def atoi(text):
    """C atoi."""
    text = (text or "").lstrip(" \t\r\n\v\f")
    sign, digits = 1, ""
    if text[:1] in "+-":
        sign, text = (-1 if text[0] == "-" else 1), text[1:]
    for c in text:
        if not c.isdigit():
            break
        digits += c
    return sign * int(digits) if digits else 0


def is_decimal(text):
    return text is not None and text.isdigit()


def absent_file(value):
    return value == "" or value.startswith("0")


def plain_file_name(value):
    return not any(c in value for c in "\\/:*?\"<>|") and value.strip() == value


# ---------------------------------------------------------------- checks

def check_language_files(r, root):
    for relative, encoding, caption in LANGUAGE_FILES:
        data = read_bytes(root, relative)
        if not r.check("%s exists" % relative, data is not None):
            continue
        try:
            text = data.decode(encoding)
        except UnicodeDecodeError as error:
            r.check("%s decodes as %s" % (relative, encoding), False, str(error))
            continue
        ini = Ini(text)
        r.check("%s Setup/Caption is the searched title" % relative, ini.get("Setup", "Caption") == caption,
                repr(ini.get("Setup", "Caption")))
        missing = ["%s/%s" % (s, k) for s, keys in LANGUAGE_KEYS.items() for k in keys if not ini.get(s, k)]
        r.check("%s has every section and key, none empty" % relative, not missing, ", ".join(missing))

        for section, keys in LANGUAGE_KEYS.items():
            for key in keys:
                value = ini.get(section, key) or ""
                raw = value.encode(encoding, "replace")
                where = "%s %s/%s" % (relative, section, key)
                if len(raw) > TEXT_LIMIT:
                    r.check(where + " fits the text buffer", False, "%d bytes" % len(raw))
                # Only the first of each marker becomes a line break; a second shows as "\1".
                repeated = [m for m in ("\\1", "\\2", "\\3") if value.count(m) > 1]
                r.check(where + " uses each line-break marker once at most", not repeated, " ".join(repeated))
                if encoding == "gbk":
                    r.check(where + " has no GBK character that ends in a backslash before 1-3",
                            not gbk_false_marker(raw), repr(value))

        for items in (PARITY_ITEMS, FLOW_ITEMS):
            values = [ini.get("Confirm", key) or "" for key in items]
            for key, value in zip(items, values):
                r.check("%s Confirm/%s fits its list" % (relative, key),
                        len(value.encode(encoding, "replace")) <= LIST_TEXT_LIMIT, repr(value))
            r.check("%s Confirm/%s items are distinct" % (relative, items[0].split(".")[0]),
                    len(set(values)) == len(values), repr(values))


def gbk_false_marker(raw):
    """True when a double-byte character's trail byte is a backslash followed by 1, 2
    or 3: a byte-wise search for the markers would take it for one."""
    i = 0
    while i < len(raw):
        if 0x81 <= raw[i] <= 0xFE and i + 1 < len(raw):
            if raw[i + 1] == 0x5C and i + 2 < len(raw) and raw[i + 2] in b"123":
                return True
            i += 2
        else:
            i += 1
    return False


def check_licences(r, root):
    for relative, encoding in LICENCE_FILES:
        data = read_bytes(root, relative)
        if not r.check("%s exists" % relative, data is not None):
            continue
        try:
            text = data.decode(encoding)
        except UnicodeDecodeError as error:
            r.check("%s decodes as %s" % (relative, encoding), False, str(error))
            continue
        r.check("%s is a text of some length" % relative, len(text.strip()) > 200, "%d characters" % len(text))
        bare = data.replace(b"\r\n", b"").count(b"\n") + data.replace(b"\r\n", b"").count(b"\r")
        r.check("%s has CR LF line ends only" % relative, bare == 0 and b"\r\n" in data, "%d bare line ends" % bare)
    chinese = read_bytes(root, "License/License_CN.txt")
    if chinese is not None:
        r.check("License_CN.txt holds Chinese text", any(b >= 0x81 for b in chinese))


def check_no_sources_left(r, root):
    left = []
    for folder, _dirs, files in os.walk(root):
        left += [os.path.join(folder, f) for f in files if ".utf8." in f.lower()]
    r.check("the built package holds no .utf8 source file", not left, ", ".join(left))


def check_side_picture(r, root):
    data = read_bytes(root, "DRVCONFIG/Left.bmp")
    if not r.check("DRVCONFIG/Left.bmp exists", data is not None) or \
            not r.check("Left.bmp holds both headers", len(data) >= 54, "%d bytes" % len(data)):
        return
    magic, file_size, _r1, _r2, offset = struct.unpack_from("<2sIHHI", data, 0)
    (header_size, width, height, planes, bits, compression, image_size,
     _xppm, _yppm, used, _important) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    stride = (width * 3 + 3) & ~3
    cases = [
        ("starts with BM", magic == b"BM"),
        ("file size field matches the file", file_size == len(data)),
        ("has a BITMAPINFOHEADER", header_size == 40),
        ("pixels follow the headers", offset == 54),
        ("is about 164 pixels wide", 150 <= width <= 180),
        ("is about 314 pixels high, stored bottom-up", 290 <= height <= 340),
        ("has one plane", planes == 1),
        ("has 24 bits per pixel", bits == 24),
        ("is not compressed", compression == 0),
        ("has no colour table", used == 0),
        ("image size is the padded rows", image_size == stride * height),
        ("file holds every row", len(data) == offset + stride * height),
    ]
    for name, ok in cases:
        r.check("Left.bmp " + name, ok, "width %d height %d bits %d size %d" % (width, height, bits, len(data)))
    if len(data) == offset + stride * height and bits == 24:
        colours = {data[offset + y * stride + x * 3: offset + y * stride + x * 3 + 3]
                   for y in range(0, height, 3) for x in range(0, width, 3)}
        r.check("Left.bmp is a picture, not a flat fill", len(colours) > 64, "%d colours" % len(colours))


def check_icon(r, work):
    path = os.path.join(work, "program.ico")
    run = subprocess.run([sys.executable, BUILD_SCRIPT, "--icon", path], capture_output=True, text=True)
    if not r.check("build_package.py --icon succeeds", run.returncode == 0 and os.path.isfile(path), run.stderr):
        return
    with open(path, "rb") as f:
        data = f.read()
    size = 32
    image_bytes = 40 + size * size * 4 + size * 4
    if not r.check("icon has its directory and one image", len(data) == 22 + image_bytes, "%d bytes" % len(data)):
        return
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    width, height, colours, _res, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6)
    header = struct.unpack_from("<IiiHHI", data, 22)
    cases = [
        ("directory is an icon with one image", (reserved, kind, count) == (0, 1, 1)),
        ("entry is 32x32, 32 bits", (width, height, colours, planes, bits) == (32, 32, 0, 1, 32)),
        ("entry points at the image", (length, offset) == (image_bytes, 22)),
        ("image header has the doubled height", header == (40, 32, 64, 1, 32, 0)),
    ]
    for name, ok in cases:
        r.check("icon " + name, ok)
    colour = data[62:62 + size * size * 4]
    mask = data[62 + size * size * 4:]
    mismatched = 0
    for row in range(size):
        for x in range(size):
            alpha = colour[(row * size + x) * 4 + 3]
            masked = bool(mask[row * 4 + x // 8] & (0x80 >> (x % 8)))
            mismatched += masked != (alpha == 0)
    r.check("icon AND mask is set exactly where the picture is transparent", mismatched == 0,
            "%d pixels differ" % mismatched)
    alphas = {colour[i + 3] for i in range(0, len(colour), 4)}
    r.check("icon has opaque and transparent pixels", 0 in alphas and 255 in alphas)


def check_build_conversion(r, work):
    """The build converts UTF-8 sources to GBK and stops on a character GBK lacks."""
    source = os.path.join(work, "src")
    os.makedirs(os.path.join(source, "language"))
    text = "[Setup]\nCaption=打印机驱动安装程序\n"
    with open(os.path.join(source, "language", "t.utf8.ini"), "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    dest = os.path.join(work, "built")
    run = subprocess.run([sys.executable, BUILD_SCRIPT, source, dest], capture_output=True, text=True)
    if r.check("build of a small source succeeds", run.returncode == 0, run.stderr):
        data = read_bytes(dest, "language/t.ini")
        r.check("t.utf8.ini becomes t.ini in GBK with CR LF",
                data == text.replace("\n", "\r\n").encode("gbk"), repr(data))
        r.check("the .utf8 source is not copied", read_bytes(dest, "language/t.utf8.ini") is None)
        r.check("the build draws Left.bmp", (read_bytes(dest, "DRVCONFIG/Left.bmp") or b"")[:2] == b"BM")

    with open(os.path.join(source, "language", "bad.utf8.ini"), "w", encoding="utf-8") as f:
        f.write("[Setup]\nHelp=ok\nCaption=Setup \U0001F5A8\n")
    run = subprocess.run([sys.executable, BUILD_SCRIPT, source, dest], capture_output=True, text=True)
    r.check("a character without GBK code fails the build", run.returncode != 0)
    r.check("the failure names the file, line and column", "bad.utf8.ini:3:15" in run.stderr, run.stderr.strip())
    r.check("a failed build leaves the previous package", read_bytes(dest, "language/t.ini") is not None)


def check_configuration(r, root):
    setup = read_ini(root, "DRVCONFIG/setup.ini")
    if not r.check("DRVCONFIG/setup.ini exists", setup is not None):
        return
    count = atoi(setup.get("DEVICENAME", "DEVICENUMBER", "0"))
    r.check("DEVICENUMBER counts at least one entry", count >= 1, str(count))

    models = []  # (number, name, type)
    for i in range(1, count + 1):
        value = setup.get("DEVICENAME", "DEVICENAME%d" % i, "0")
        suffixes = [t for t, s in enumerate(TYPE_SUFFIXES) if value.endswith(s)]
        if r.check("DEVICENAME%d ends in a type suffix" % i, len(suffixes) == 1, repr(value)):
            name = value[: -len(TYPE_SUFFIXES[suffixes[0]])]
            r.check("DEVICENAME%d has a model name" % i, name != "" and all(s not in name for s in TYPE_SUFFIXES),
                    repr(value))
            models.append((i, name, suffixes[0]))
    names = [m[1] for m in models]
    r.check("model names are unique", len(set(n.lower() for n in names)) == len(names), ", ".join(names))
    r.check("every printer type has a model", {m[2] for m in models} == {0, 1, 2, 3})

    default = setup.get("DEVICENAME", "DEFAULTNAME")
    r.check("DEFAULTNAME names a catalogue entry", is_decimal(default) and any(m[0] == int(default) for m in models),
            repr(default))
    for key in ("LOADLICENSE", "Supported32OR64", "GDISTDSign", "SupportedUSBMODE"):
        r.check("DEVICENAME/%s is a number" % key, is_decimal(setup.get("DEVICENAME", key)),
                repr(setup.get("DEVICENAME", key)))
    r.check("SupportedUSBMODE is 0, 1 or 2", setup.get("DEVICENAME", "SupportedUSBMODE") in ("0", "1", "2"))
    r.check("the package is not limited to one bitness (it ships both sets of type files)",
            atoi(setup.get("DEVICENAME", "Supported32OR64", "0")) not in (1, 2))
    utility = setup.get("DEVICENAME", "SHELLEXENAME", "0")
    r.check("SHELLEXENAME names a program without .exe", utility != "0" and plain_file_name(utility)
            and not utility.lower().endswith(".exe"), repr(utility))
    inf = setup.get("DEVICENAME", "Inffilename")
    r.check("Inffilename is a plain base name", inf is not None and plain_file_name(inf) and "." not in inf,
            repr(inf))
    r.check("ProcessorVersion/DriverVersion is a positive number",
            atoi(setup.get("ProcessorVersion", "DriverVersion", "0")) > 0)
    check_monitors(r, setup)

    type_inis = {}
    for label, tail in BITNESSES:
        for t, base in enumerate(TYPE_FILES):
            ini = read_ini(root, "DRVCONFIG/%s%s.ini" % (base, tail))
            r.check("DRVCONFIG/%s%s.ini exists" % (base, tail), ini is not None)
            type_inis[(tail, t)] = ini or Ini("")

    usb_models = set()
    for label, tail in BITNESSES:
        for _i, name, t in models:
            ini = type_inis[(tail, t)]
            where = "%s %s%s.ini %s" % (label, TYPE_FILES[t], tail, name)
            port = ini.section(name + ".PORT")
            if not r.check(where + " has a .PORT section", port is not None):
                continue
            values = {k: ini.get(name + ".PORT", k) for k in PORT_KEYS}
            bad = [k for k, v in values.items() if not is_decimal(v)]
            r.check(where + ".PORT has every key as a number", not bad, ", ".join(bad))
            flags = {k: atoi(v) for k, v in values.items()}
            if flags["USBSUPPORTED"]:
                usb_models.add(name)
            r.check(where + " BaudRate is one the port page lists", flags["BaudRate"] in BAUD_RATES,
                    str(flags["BaudRate"]))
            r.check(where + " LPTDEFAULT asks for a port the model has",
                    (flags["LPTDEFAULT"] != 1 or flags["LPTSUPPORTED"]) and
                    (flags["LPTDEFAULT"] != 2 or flags["USBSUPPORTED"]), str(flags["LPTDEFAULT"]))
            if tail:
                r.check(where + " claims no Windows NT 4.0 support", flags["SystemNTSupported"] == 0)
            check_model_drivers(r, ini, name, flags, where, tail == "")
        check_stray_sections(r, models, type_inis, tail, label)

        # Start-up accepts the package only when the last entry offers a USB, parallel
        # or serial port in one of the type files.
        if models:
            last = models[-1][1]
            offered = any(atoi(type_inis[(tail, t)].get(last + ".PORT", k, "0"))
                          for t in range(4) for k in ("USBSUPPORTED", "LPTSUPPORTED", "COMSUPPORTED"))
            r.check("%s: the last entry %s offers a port, so start-up goes on" % (label, last), offered)

    check_usb_data(r, setup, names, usb_models)


def check_monitors(r, setup):
    for suffix in OS_SUFFIXES:
        section = "COMMON-MONITOR" + suffix
        if not r.check("setup.ini has %s" % section, setup.section(section) is not None):
            continue
        for key, kind, limit in MONITOR_KEYS:
            value = setup.get(section, key)
            if kind == "version":
                ok = is_decimal(value) and int(value) > 0 and len(value) <= limit
            else:
                ok = value is not None and not absent_file(value) and len(value) <= limit
                ok = ok and (kind == "name" or plain_file_name(value))
            r.check("%s/%s is a valid %s" % (section, key, kind), ok, repr(value))


def check_model_drivers(r, ini, name, flags, where, bits32):
    offers_port = any(flags[k] for k in ("USBSUPPORTED", "LPTSUPPORTED", "COMSUPPORTED", "NETSUPPORTED"))
    if offers_port:
        for suffix, allowed_by, in_64 in OS_SECTIONS_NEEDED:
            if (bits32 or in_64) and (allowed_by is None or flags[allowed_by]):
                r.check("%s has its %s section" % (where, suffix), ini.section(name + suffix) is not None)
    for suffix in OS_SUFFIXES:
        if ini.section(name + suffix) is not None:
            check_driver_section(r, ini, name + suffix, flags, "%s%s" % (where, suffix), suffix in (".98", ".NT"))


def check_driver_section(r, ini, section, flags, where, legacy):
    get = lambda key: ini.get(section, key)
    if legacy:
        names = [("GDIDriverName", get("GDIDriverName"))]
    else:
        names = [(key, get(key)) for flag, key in DRIVER_NAME_KEYS if flags[flag]]
    for key, value in names:
        r.check("%s %s is a driver name" % (where, key),
                value is not None and not absent_file(value) and len(value) <= NAME_LIMIT, repr(value))

    for family in ("GDI", "STD"):
        for slot in REQUIRED_FILE_SLOTS:
            value = get(family + slot)
            r.check("%s %s%s names a file" % (where, family, slot),
                    value is not None and not absent_file(value) and plain_file_name(value)
                    and len(value) <= VALUE_LIMIT, repr(value))
        for slot in OPTIONAL_FILE_SLOTS:
            value = get(family + slot)
            r.check("%s %s%s is a file name or 0" % (where, family, slot),
                    value is not None and value != "" and plain_file_name(value) and len(value) <= VALUE_LIMIT,
                    repr(value))
        processor = get(family + "PrintProcessor")
        r.check("%s %sPrintProcessor is a processor name" % (where, family),
                processor is not None and not absent_file(processor) and len(processor) <= NAME_LIMIT,
                repr(processor))
        processor_dll = get(family + "ProcessorDLLName") or "0"
        r.check("%s %s print processor has its DLL unless it is WinPrint" % (where, family),
                processor == "WinPrint" or not absent_file(processor_dll), repr(processor_dll))
        ddk = get(family + "2KDDKDEV")
        r.check("%s %s2KDDKDEV is 0 or 1" % (where, family), ddk in ("0", "1"), repr(ddk))
        if ddk == "1" and not legacy:
            extra = get(family + "DataFileDLLName") or "0"
            r.check("%s %s needs the DDK files and names its DataFileDLLName" % (where, family),
                    not absent_file(extra), repr(extra))
            dependent = [get(family + "DataFile") or ""] + DDK_FILES + \
                [v for v in (get(family + s) or "0" for s in
                             ("DataFileDLLName", "DataOemuiDLL", "DataOemuniDLL", "DataOemuniini"))
                 if not v.startswith("0")]
            size = sum(len(v) + 1 for v in dependent) + 1
            r.check("%s %s dependent-file list fits its buffer" % (where, family),
                    size <= DEPENDENT_LIST_LIMIT, "%d bytes" % size)
    r.check("%s GDI and STD agree on the DDK files" % where, get("GDI2KDDKDEV") == get("STD2KDDKDEV"))
    r.check("%s ATTRIBUTES is a number" % where, is_decimal(get("ATTRIBUTES")), repr(get("ATTRIBUTES")))
    for key in MODEL_FILE_KEYS:
        value = get(key)
        if value is not None:
            r.check("%s %s is a file name or 0" % (where, key),
                    value != "" and plain_file_name(value) and len(value) <= VALUE_LIMIT, repr(value))
    for key in ("ControlFontFile", "USBInternalID", "DriverlogViewer", "DriverlogINI"):
        r.check("%s has %s" % (where, key), get(key) is not None)
    if flags["USBSUPPORTED"] and not legacy:
        r.check("%s USB model names its USBInternalID file" % where, not absent_file(get("USBInternalID") or "0"))


def check_stray_sections(r, models, type_inis, tail, label):
    """Every section of a type file belongs to a catalogue model of that type: a
    misspelt model or suffix would otherwise go unread."""
    suffixes = [".PORT"] + OS_SUFFIXES
    for t, base in enumerate(TYPE_FILES):
        known = {(name + s).lower() for _i, name, mt in models if mt == t for s in suffixes}
        stray = [n for n in type_inis[(tail, t)].names() if n.lower() not in known]
        r.check("%s %s%s.ini has only sections of its models" % (label, base, tail), not stray, ", ".join(stray))


def check_usb_data(r, setup, names, usb_models):
    single = atoi(setup.get("USBCLASSPRINTER", "IsSingleHWID", "0"))
    for name in sorted(usb_models):
        for n in range(1, 5):
            port = "USB_%s_%d" % (name, n)
            r.check("SUPPORTED-USB-DEVICE/%s holds its port number" % port,
                    setup.get("SUPPORTED-USB-DEVICE", port) == str(n), repr(setup.get("SUPPORTED-USB-DEVICE", port)))
        # A class printer shows up with USB number 1..4, except where the lookup
        # always answers 1.
        numbers = [1] if single or any(m in name for m in ALWAYS_FIRST_CLASS_ID) else [1, 2, 3, 4]
        for n in numbers:
            key = "%s(U)%d" % (name, n)
            value = setup.get("USBCLASSPRINTER", key, "ERR")
            r.check("USBCLASSPRINTER/%s is a hardware id" % key,
                    not value.upper().startswith("ERR") and value.upper().startswith("USBPRINT\\"), repr(value))
    lowered = {n.lower() for n in names}
    for key, _value in setup.section("SUPPORTED-USB-DEVICE") or []:
        model = key[4:-2] if key.upper().startswith("USB_") and len(key) > 6 else ""
        r.check("SUPPORTED-USB-DEVICE/%s is a port of a USB model" % key,
                model.lower() in {m.lower() for m in usb_models})
    for key, _value in setup.section("USBCLASSPRINTER") or []:
        if key.lower() != "issinglehwid":
            r.check("USBCLASSPRINTER/%s belongs to a catalogue model" % key,
                    "(U)" in key and key[:key.find("(U)")].lower() in lowered)


def main(argv):
    r = Results()
    with tempfile.TemporaryDirectory(prefix="package-test-") as work:
        if argv:
            root = argv[0]
        else:
            root = os.path.join(work, "package")
            run = subprocess.run([sys.executable, BUILD_SCRIPT, PACKAGE_SOURCE, root], capture_output=True,
                                 text=True)
            if not r.check("build_package.py builds the sample package", run.returncode == 0, run.stderr):
                print("%d passed, %d failed" % (r.passed, r.failed))
                return 1
        check_language_files(r, root)
        check_licences(r, root)
        check_no_sources_left(r, root)
        check_side_picture(r, root)
        check_configuration(r, root)
        check_icon(r, work)
        check_build_conversion(r, os.path.join(work, "conversion"))
    print("%d passed, %d failed" % (r.passed, r.failed))
    return 1 if r.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
