#!/usr/bin/env python3
"""Walks the real drvsetup wizard under Wine from its first page to the port page and
back, checking that the controls carry the texts of the package's language file, and
saves a screenshot of every page.

    wizard_walk.py BUILD en|zh

BUILD is the x86_64 build directory; the program runs from a copy of its sample package
(BUILD/wine-disc), so its own folder is the driver disc. Screenshots go to
BUILD/wine-artifacts/wizard_walk_<language>/.
"""
import configparser
import sys

from winegui import WineGui

PAGES = {  # page name, template: the controls the page sets from the language file
    "licence": [(1090, "Legal", "Agreement"), (1057, "Legal", "Accept"), (1058, "Legal", "Reject")],
    "model": [(1094, "Series", "Select"), (1019, "Series", "Receipt"), (1020, "Series", "Ticket"),
              (1021, "Series", "Label"), (1073, "Series", "Embedded"), (1046, "Series", "Default")],
    "mode": [(1103, "Mode", "Type"), (1066, "Mode", "Typical"), (1067, "Mode", "Advanced"),
             (1104, "Mode", "Remarks"), (1068, "Mode", "Note1")],
    "os": [(1094, "System", "Select")],
    "port": [(1095, "Confirm", "Set"), (1096, "Confirm", "Ports"), (1097, "Confirm", "Com"),
             (1098, "Confirm", "BaudRate"), (1099, "Confirm", "Parity"), (1100, "Confirm", "ByteSize"),
             (1101, "Confirm", "StopBits"), (1102, "Confirm", "Protocol"), (1052, "Confirm", "Raster")],
}
ORDER = ["licence", "model", "mode", "os", "port"]


def language_file(gui, chinese):
    ini = configparser.RawConfigParser(strict=False, interpolation=None)
    ini.optionxform = str
    name = "setup_CN.ini" if chinese else "setup_EN.ini"
    with open(gui.disc / "language" / name, encoding="gbk" if chinese else "latin-1") as f:
        ini.read_file(f)
    return lambda section, key: ini.get(section, key).strip().strip('"')


def main():
    build, language = sys.argv[1], sys.argv[2]
    chinese = language == "zh"
    gui = WineGui(build, "wizard_walk_" + language, chinese)
    try:
        walk(gui, chinese, language)
    finally:
        gui.close()


def walk(gui, chinese, language):
    text = language_file(gui, chinese)
    caption = text("Setup", "Caption")
    gui.start_wizard()
    gui.window(caption)

    def check_page(name, ok_text):
        wanted = [(control, text(section, key)) for control, section, key in PAGES[name]]
        wanted += [(1093, text("Setup", "Help")), (1002, text("Setup", "Back")), (2, text("Setup", "Cancel")),
                   (1, ok_text)]
        gui.expect_texts(wanted)

    # The licence page: Next waits for the licence to be accepted; there is no way back.
    check_page("licence", text("Setup", "Next"))
    gui.expect_state(1, enabled=0)
    gui.expect_state(1002, enabled=0)
    gui.expect_state(1058, checked=1)
    gui.screenshot("1-licence")
    gui.run("click 1057")
    gui.expect_state(1, enabled=1)

    for number, name in enumerate(ORDER[1:], start=2):
        gui.run("click 1")
        last = name == "port"
        check_page(name, text("Setup", "Install" if last else "Next"))
        gui.expect_state(1002, enabled=1)
        if name == "port":
            parity = [text("Confirm", "Parity." + p) for p in ("Even", "Mark", "None", "Odd", "Space")]
            flow = [text("Confirm", "Protocol." + p) for p in ("None", "Xonoff", "Hardware")]
            gui.expect_items(1043, parity, selected=2)
            gui.expect_items(1045, flow, selected=2)
            gui.expect_items(1041, ["110", "300", "1200", "2400", "4800", "9600", "19200", "38400", "57600",
                                    "115200"])
            gui.expect_items(1042, ["5", "6", "7", "8"], selected=3)
            gui.expect_items(1044, ["1", "1.5", "2"], selected=0)
        gui.screenshot("%d-%s" % (number, name))

    # And back to the first page: Next again on every page, Back off on the licence page.
    for name in reversed(ORDER[:-1]):
        gui.run("click 1002")
        check_page(name, text("Setup", "Next"))
    gui.expect_state(1002, enabled=0)
    gui.expect_state(1057, checked=1)

    gui.run("click 2")
    gui.wait_gone()
    gui.wait_wizard_end()
    print("walk passed in", language, "- screenshots in", gui.artifacts)


if __name__ == "__main__":
    main()
