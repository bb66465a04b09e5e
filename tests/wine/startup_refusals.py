#!/usr/bin/env python3
"""The start-up refusals of the real drvsetup under Wine: a second instance ends at
once and leaves the first alone; an open window titled "Uninstall" makes the installer
show Setup/"Close" in its application box and end.

    startup_refusals.py BUILD
"""
import subprocess
import sys

from winegui import Failure, WineGui
from wizard_walk import language_file


def second_instance(gui, text):
    caption = text("Setup", "Caption")
    gui.start_wizard()
    gui.window(caption)
    second = gui.start_wizard()
    try:
        code = second.wait(timeout=30)
    except subprocess.TimeoutExpired:
        raise Failure("the second instance did not end")
    gui.processes.remove(second)
    lines = gui.auto("count " + caption)
    if lines[-1] != "count 1 " + caption:
        raise Failure("expected one wizard window, saw: " + lines[-1])
    print("second instance ended with", code, "and left one wizard")
    gui.screenshot("second-instance")
    gui.run("click 2")
    gui.wait_gone()
    gui.wait_wizard_end()


def uninstaller_open(gui, text):
    gui.start(gui.build / "ui_smoke.exe", "title", "Uninstall")
    gui.window("Uninstall")
    gui.caption = None
    setup = gui.start_wizard()
    lines = gui.auto("answer 1 drvsetup")
    box = [l for l in lines if l.startswith("box ")]
    want = "box drvsetup: " + text("Setup", "Close")
    if box != [want]:
        raise Failure("expected %r, saw %r" % (want, box))
    try:
        setup.wait(timeout=30)
    except subprocess.TimeoutExpired:
        raise Failure("drvsetup did not end after the refusal")
    gui.processes.remove(setup)
    if gui.auto("count " + text("Setup", "Caption"))[-1] != "count 0 " + text("Setup", "Caption"):
        raise Failure("the wizard opened although the uninstaller is open")
    gui.window("Uninstall")
    gui.run("click 2")
    gui.wait_gone()
    print("refused beside the uninstaller")


def main():
    gui = WineGui(sys.argv[1], "startup_refusals")
    try:
        text = language_file(gui, False)
        second_instance(gui, text)
        uninstaller_open(gui, text)
    finally:
        gui.close()
    print("start-up refusals passed")


if __name__ == "__main__":
    main()
