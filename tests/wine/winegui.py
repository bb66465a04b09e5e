"""What the GUI tests under Wine share: the test prefix, the driver disc, the automation
client and screenshots."""
import os
import pathlib
import shutil
import subprocess
import time

SOURCE = pathlib.Path(__file__).resolve().parents[2]
RUN = str(SOURCE / "tools" / "wine" / "run")


class Failure(Exception):
    pass


class WineGui:
    def __init__(self, build, name, chinese=False):
        self.build = pathlib.Path(build).resolve()
        self.artifacts = self.build / "wine-artifacts" / name
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True)
        self.env = dict(os.environ)
        self.env["WINEPREFIX"] = str(self.build / "wineprefix-gui")
        self.env["WINEDEBUG"] = "-all"
        self.env["LANG"] = "zh_CN.UTF-8" if chinese else "C.UTF-8"
        self.env["LC_ALL"] = self.env["LANG"]
        if not self.env.get("DISPLAY"):
            raise Failure("no DISPLAY: run under xvfb-run")
        self.disc = self.build / "wine-disc"
        self.caption = None
        self.processes = []
        self.prepare_prefix()
        self.prepare_disc()

    def wine(self, *args, timeout=120):
        """Runs a Windows program and returns (exit code, output). The output goes
        through a file: the wine server that the first call starts would keep a pipe
        open after the program has ended."""
        out = self.artifacts / ".output"
        with open(out, "wb") as f:
            code = subprocess.run([RUN, *args], env=self.env, stdout=f, stderr=subprocess.DEVNULL,
                                  stdin=subprocess.DEVNULL, timeout=timeout).returncode
        return code, out.read_bytes()

    def prepare_prefix(self):
        marker = pathlib.Path(self.env["WINEPREFIX"]) / ".gui-ready"
        if marker.exists():
            return
        link = "wqy-zenhei.ttc,WenQuanYi Zen Hei"
        # The CJK font of scripts/install-deps stands in for SimSun. (Droid Sans Fallback
        # draws the 13-pixel font more cleanly but has no Latin letters in a fresh prefix.)
        song = "WenQuanYi Zen Hei"
        settings = [
            # Wine draws the window frames itself, so captions show without a window manager.
            ("HKCU\\Software\\Wine\\X11 Driver", "Managed", "REG_SZ", "N"),
            ("HKCU\\Software\\Wine\\X11 Driver", "Decorated", "REG_SZ", "N"),
            # A Chinese Windows has SimSun; here the CJK font stands in for it, and the
            # frame and dialog fonts fall back to it for CJK glyphs.
            ("HKCU\\Software\\Wine\\Fonts\\Replacements", "宋体", "REG_SZ", song),
            ("HKCU\\Software\\Wine\\Fonts\\Replacements", "SimSun", "REG_SZ", song),
        ]
        for face in ("Tahoma", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "System"):
            settings.append(("HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink",
                             face, "REG_MULTI_SZ", link))
        for key, name, kind, value in settings:
            self.wine("reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f")
        marker.touch()

    def prepare_disc(self):
        package = self.build / "package"
        if not (package / "DRVCONFIG" / "setup.ini").exists():
            raise Failure("no sample package in %s (build the sample_package target)" % package)
        shutil.rmtree(self.disc, ignore_errors=True)
        shutil.copytree(package, self.disc)
        shutil.copy2(self.build / "drvsetup.exe", self.disc / "drvsetup.exe")

    def start(self, exe, *args):
        p = subprocess.Popen([RUN, str(exe), *args], env=self.env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        self.processes.append(p)
        return p

    def start_wizard(self):
        return self.start(self.disc / "drvsetup.exe")

    def wait_wizard_end(self, timeout=20):
        for p in self.processes:
            p.wait(timeout=timeout)

    def auto(self, *commands, check=True):
        """Runs the automation client on the chosen window; returns its output lines."""
        prefix = ["window " + self.caption] if self.caption else []
        code, output = self.wine(str(self.build / "automation.exe"), *prefix, *commands)
        lines = output.decode("utf-8", "replace").replace("\r", "").splitlines()
        for line in lines:
            print("  " + line)
        if check and (code != 0 or any(l.startswith("error") for l in lines)):
            raise Failure("automation failed: %s" % " / ".join(commands))
        return lines

    def window(self, title):
        self.caption = None
        self.auto("window " + title)
        self.caption = title

    def run(self, command):
        return self.auto(command)

    def wait_gone(self):
        title, self.caption = self.caption, None
        self.auto("wait-gone " + title)

    def expect_texts(self, wanted):
        """wanted: [(control id, text)], read in one run of the client."""
        lines = [l for l in self.auto(*["text %d" % c for c, _ in wanted]) if l.startswith("text ")]
        for (control, want), got in zip(wanted, lines):
            want = want.replace("\r\n", " ")
            if got != ("text %d %s" % (control, want)).rstrip():
                raise Failure("control %d shows %r, expected %r" % (control, got, want))

    def expect_text(self, control, want):
        self.expect_texts([(control, want)])

    def expect_state(self, control, **want):
        line = self.auto("state %d" % control)[-1]
        fields = dict(f.split("=") for f in line.split()[2:])
        for key, value in want.items():
            if int(fields[key]) != value:
                raise Failure("control %d: %s is %s, expected %s" % (control, key, fields[key], value))

    def expect_items(self, control, items, selected=None):
        lines = self.auto("combo %d" % control)
        head = lines[-len(items) - 1]
        got = [l.split(" ", 2)[2] if l.count(" ") >= 2 else "" for l in lines[-len(items):]]
        if got != items or not head.startswith("combo %d count=%d " % (control, len(items))):
            raise Failure("list %d holds %r, expected %r" % (control, got, items))
        if selected is not None and not head.endswith("selected=%d" % selected):
            raise Failure("list %d: %s, expected item %d selected" % (control, head, selected))

    def screenshot(self, name):
        time.sleep(0.5)
        path = self.artifacts / (name + ".png")
        subprocess.run(["/usr/bin/import", "-window", "root", str(path)], check=True, env=self.env)
        print("screenshot", path)
        return path

    def close(self):
        for p in self.processes:
            if p.poll() is None:
                p.kill()
        subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        (self.artifacts / ".output").unlink(missing_ok=True)
