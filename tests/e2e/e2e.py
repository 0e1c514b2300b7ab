#!/usr/bin/env python3
"""End-to-end tests: the installed program folder, a Wine prefix, the sample data server on
127.0.0.1, Pelimor.exe on a private Xvfb display, and a probe that reads the panel, its dialogs and
its mailbox as an expert advisor and a user do. Screenshots go to build/e2e/artifacts.

    e2e.py BUILD [--only GROUP,...]

The cases live in tests/e2e/cases_<group>.py, run in the order of GROUPS on one running panel:
each module may define before_start(r), called before anything starts, before_panel(r), called once
the display and the data server run but before the shared panel starts, and run(r), called on the
running panel. Quitting comes last.
PELIMOR_E2E_WORK, PELIMOR_E2E_DISPLAY and PELIMOR_E2E_PORT move the run elsewhere, so that
several runs can share a machine (each with its own WINEPREFIX)."""
import argparse
import importlib
import os
import shutil
import subprocess
import sys
import time

from resource_ids import ids

ROOT = os.getcwd()
WORK = os.path.join(ROOT, os.environ.get("PELIMOR_E2E_WORK", os.path.join("build", "e2e")))
PROGRAM = os.path.join(WORK, "program")
SETTING = os.path.join(PROGRAM, "setting")
ARTIFACTS = os.path.join(WORK, "artifacts")
DISPLAY = os.environ.get("PELIMOR_E2E_DISPLAY", ":97")
PORT = int(os.environ.get("PELIMOR_E2E_PORT", "18097"))
# Later groups change what earlier ones rely on: the page clicks read the notices, the settings
# dialog empties the rules, the erase command the indicators, the publisher replaces the
# server's files and restarts the panel, the
# update group replaces the program; the https and robustness groups run panels of their own.
GROUPS = ["first", "crash", "pages", "panel", "rules", "mt4", "ea", "prefs", "erase", "publish",
          "update", "https", "robust"]
SEP = "\x07"

# A ruled indicator two hours ahead: the mailbox must carry its time, mask and direction.
RULED_ID = 7
RULED_MASK = 0x4005
RULED_DIRECTION = 1  # sell only in the rule; the expert advisor reads 2


def hex_field(value):
    return "%08X%s" % (value & 0xFFFFFFFF, SEP)


def text_field(text):
    return text + SEP


class Run:
    PROGRAM = PROGRAM
    SETTING = SETTING
    WORK = WORK
    ARTIFACTS = ARTIFACTS
    PORT = PORT

    def __init__(self, build, groups):
        self.build = build
        self.modules = [importlib.import_module("cases_" + name) for name in groups]
        self.passed = 0
        self.failed = 0
        self.processes = []
        self.panel = None
        self.ruled_time = int(time.time()) + 7200

    # --- set-up ---------------------------------------------------------------------------
    def prepare(self):
        shutil.rmtree(WORK, ignore_errors=True)
        os.makedirs(ARTIFACTS)
        subprocess.run(["cmake", "--install", self.build, "--prefix", PROGRAM], check=True,
                       stdout=subprocess.DEVNULL)
        os.makedirs(SETTING)
        self.write_start_files()
        for module in self.modules:
            if hasattr(module, "before_start"):
                module.before_start(self)
        os.environ["DISPLAY"] = DISPLAY
        os.environ["PELIMOR_BASE_URL"] = "http://127.0.0.1:%d/sv_pelimor/websys/" % PORT
        self.start([ "Xvfb", DISPLAY, "-screen", "0", "1024x768x24"])
        self.start(["tools/sample_server/serve.sh", str(PORT), os.path.join(WORK, "server")])
        time.sleep(2)

    def write_start_files(self):
        # Terms accepted in 2021, so the panel opens without the terms dialog.
        general = [0, 0, 0x1F, 0, 0, 0, 0, 0, 3100, 100, 0x60000000, 0]
        line1 = "".join(hex_field(v) for v in general)
        self.write_setting("iasetting.dat", [line1])
        indicator = (hex_field(self.ruled_time) + text_field("E2E確認指標") + text_field("1.0") +
                     text_field("-") + text_field("0.5") + hex_field(12) + hex_field(4) +
                     hex_field(0) + hex_field(0) + hex_field(1) + hex_field(RULED_ID))
        self.write_setting("iaindex2.dat", [indicator])
        rule = "".join(hex_field(v) for v in
                       [RULED_ID, RULED_MASK, 0, 0, 0, RULED_DIRECTION, 0, 1, 0])
        self.write_setting("iaacm.dat", [rule])

    def setting_path(self, name):
        return os.path.join(SETTING, name)

    def write_setting(self, name, lines):
        with open(self.setting_path(name), "wb") as f:
            f.write("".join(line + "\r\n" for line in lines).encode("cp932"))

    def start(self, command, log=None, env=None):
        out = open(log, "wb") if log else subprocess.DEVNULL
        process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT, env=env)
        self.processes.append(process)
        return process

    def stop_all(self):
        subprocess.run(["wineserver", "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()

    # --- helpers --------------------------------------------------------------------------
    def start_program(self, name):
        # Wine's debugstr channel prints the program's trace lines (OutputDebugStringA) into
        # the log, so a failed case can tell why.
        return self.start(["wine", os.path.join(PROGRAM, "Pelimor.exe")],
                          os.path.join(WORK, name + ".log"),
                          dict(os.environ, WINEDEBUG="-all,+debugstr"))

    def traces(self, name="panel"):
        """The trace lines so far of the program started under that name."""
        try:
            with open(os.path.join(WORK, name + ".log"), "rb") as f:
                text = f.read().decode("cp932", errors="replace")
        except OSError:
            return []
        return [line for line in text.splitlines() if "Pelimor: " in line]

    def probe(self, *arguments):
        # Output into a file, not a pipe: Wine's background processes keep pipes open.
        path = os.path.join(WORK, "probe.txt")
        with open(path, "wb") as out:
            subprocess.run(["wine", os.path.join(self.build, "pelimor_probe.exe")] + list(arguments),
                           stdout=out, stderr=subprocess.DEVNULL, timeout=60)
        with open(path, "rb") as f:
            text = f.read().decode("cp932", errors="replace")
        values = {}
        for line in text.splitlines():
            key, _, value = line.partition("=")
            values.setdefault(key, []).append(value)
        return values

    def command(self, name):
        """Sends the panel the command of that resource name, as its menu or a button does."""
        self.probe("command", getattr(ids, name))

    def panel_facts(self):
        return {k: v[0] for k, v in self.probe("panel").items()}

    def wait_for(self, condition, seconds):
        end = time.time() + seconds
        while time.time() < end:
            result = condition()
            if result:
                return result
            time.sleep(1)
        return condition()

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", "-display", DISPLAY,
                        os.path.join(ARTIFACTS, name + ".png")],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print("PASS", name)
        else:
            self.failed += 1
            print("FAIL", name, detail)
            for line in self.traces()[-5:]:
                print("     trace:", line)

    def setting_bytes(self, name):
        try:
            with open(os.path.join(SETTING, name), "rb") as f:
                return f.read()
        except OSError:
            return b""

    def test_quit_saves(self):
        os.remove(os.path.join(SETTING, "iasetting.dat"))
        self.command("ID_EXIT")
        try:
            self.panel.wait(30)
            ended = True
        except subprocess.TimeoutExpired:
            ended = False
        self.check("ID_EXIT quits", ended)
        settings = self.setting_bytes("iasetting.dat")
        self.check("quitting saves the settings", b"00000C1C\x07" in settings, settings[:120])

    def main(self):
        try:
            self.prepare()
            for module in self.modules:
                if hasattr(module, "before_panel"):
                    module.before_panel(self)
            self.panel = self.start_program("panel")
            self.wait_for(lambda: self.panel_facts().get("panel.visible") == "1", 90)
            for module in self.modules:
                if hasattr(module, "run"):
                    module.run(self)
            self.test_quit_saves()
        except Exception as error:  # a broken harness is a failed run, not a crash
            self.check("the end-to-end run completes", False, repr(error))
        finally:
            self.stop_all()
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 0 if self.failed == 0 else 1


def arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build/windows")
    parser.add_argument("--only", help="comma-separated groups, in the usual order")
    given = parser.parse_args()
    wanted = given.only.split(",") if given.only else GROUPS
    return given.build, [g for g in GROUPS if g in wanted]


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    sys.exit(Run(*arguments()).main())
