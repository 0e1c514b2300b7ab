#!/usr/bin/env python3
"""End-to-end tests: the installed program folder, a Wine prefix, the sample data server on
127.0.0.1, Pelimor.exe on a private Xvfb display, and a probe that reads the panel and its
mailbox as an expert advisor does. Screenshots go to build/e2e/artifacts."""
import os
import shutil
import subprocess
import sys
import time

ROOT = os.getcwd()
WORK = os.path.join(ROOT, "build", "e2e")
PROGRAM = os.path.join(WORK, "program")
SETTING = os.path.join(PROGRAM, "setting")
ARTIFACTS = os.path.join(WORK, "artifacts")
DISPLAY = ":97"
PORT = 18097
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
    def __init__(self, build):
        self.build = build
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
        self.seed_files()
        os.environ["DISPLAY"] = DISPLAY
        os.environ["PELIMOR_BASE_URL"] = "http://127.0.0.1:%d/sv_pelimor/websys/" % PORT
        self.start([ "Xvfb", DISPLAY, "-screen", "0", "1024x768x24"])
        self.start(["tools/sample_server/serve.sh", str(PORT), os.path.join(WORK, "server")])
        time.sleep(2)

    def seed_files(self):
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

    def write_setting(self, name, lines):
        with open(os.path.join(SETTING, name), "wb") as f:
            f.write("".join(line + "\r\n" for line in lines).encode("cp932"))

    def start(self, command, log=None):
        out = open(log, "wb") if log else subprocess.DEVNULL
        process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT)
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
        return self.start(["wine", os.path.join(PROGRAM, "Pelimor.exe")],
                          os.path.join(WORK, name + ".log"))

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

    def setting_bytes(self, name):
        try:
            with open(os.path.join(SETTING, name), "rb") as f:
                return f.read()
        except OSError:
            return b""

    # --- tests ----------------------------------------------------------------------------
    def test_panel_window(self):
        facts = self.wait_for(
            lambda: (lambda f: f if f.get("panel.visible") == "1" else None)(self.panel_facts()), 90)
        facts = facts or self.panel_facts()
        self.check("the panel opens", facts.get("panel.visible") == "1", facts)
        self.check("the panel is a topmost tool window",
                   facts.get("panel.topmost") == "1" and facts.get("panel.toolwindow") == "1", facts)
        self.check("the panel is 240 x 534 with a region",
                   facts.get("panel.width") == "240" and facts.get("panel.height") == "534"
                   and facts.get("panel.region") == "1", facts)
        self.check("the program runs in code page 932", facts.get("codepage") == "932", facts)
        time.sleep(2)
        self.screenshot("panel-start")

    def test_mailbox(self):
        expected = {"chain1.level1": str(self.ruled_time - (1 << 32) if self.ruled_time >= 1 << 31
                                         else self.ruled_time),
                    "chain1.level2": str(RULED_MASK), "chain1.level3": "2"}

        def published():
            facts = self.panel_facts()
            return facts if all(facts.get(k) == v for k, v in expected.items()) else None

        facts = self.wait_for(published, 15) or self.panel_facts()
        self.check("the mailbox carries the ruled indicator's time, mask and direction",
                   all(facts.get(k) == v for k, v in expected.items()), facts)
        others = [facts.get("chain%d.level%d" % (c, l)) for c in (2, 3) for l in (1, 2, 3)]
        self.check("chains 2 and 3 hold zeros", others == ["0"] * 6, others)

    def test_second_instance(self):
        second = self.start_program("second")

        def box():
            windows = self.probe("windows").get("window", [])
            return any("既にツールが起動しています。" in w for w in windows)

        shown = self.wait_for(box, 30)
        self.check("a second start shows 既にツールが起動しています。", shown)
        self.screenshot("second-instance")
        self.probe("answer", "既にツールが起動しています。", "1")
        try:
            second.wait(30)
            ended = True
        except subprocess.TimeoutExpired:
            ended = False
        self.check("the second process ends", ended)
        self.check("the first panel keeps running", self.panel_facts().get("panel.visible") == "1")

    def test_feeds(self):
        def fetched():
            names = ["iaweb1.dat", "iaweb2.dat", "iaweb3.dat"]
            return all(self.setting_bytes(n) for n in names)

        self.check("the feeds are downloaded", self.wait_for(fetched, 60))
        sample_name = "米・失業率".encode("cp932")
        self.check("the indicator store takes the sample feed",
                   self.wait_for(lambda: sample_name in self.setting_bytes("iaindex2.dat"), 30),
                   self.setting_bytes("iaindex2.dat")[:200])
        self.check("the news store is written",
                   self.wait_for(lambda: self.setting_bytes("iasnews.dat").count(b"\r\n") >= 5, 30))

    def test_pages(self):
        def show(command, name, height, list_y=None):
            self.probe("command", str(command))
            time.sleep(2)
            facts = self.panel_facts()
            ok = facts.get("panel.height") == str(height)
            if list_y is not None:
                ok = ok and facts.get("list.y") == str(list_y)
            self.check("%s: the window is %d high" % (name, height), ok, facts)
            self.screenshot(name)

        show(135, "page0-calendar", 534, 294)
        show(154, "page1-list", 342, 104)
        show(155, "page0-unfolded", 534, 294)
        show(136, "page2-news", 534)
        show(160, "page3-notices", 534)
        show(32799, "page4-signals", 535)

    def test_quit_saves(self):
        os.remove(os.path.join(SETTING, "iasetting.dat"))
        self.probe("command", "32772")
        try:
            self.panel.wait(30)
            ended = True
        except subprocess.TimeoutExpired:
            ended = False
        self.check("command 32772 quits", ended)
        settings = self.setting_bytes("iasetting.dat")
        self.check("quitting saves the settings", b"00000C1C\x07" in settings, settings[:120])

    def main(self):
        try:
            self.prepare()
            self.panel = self.start_program("panel")
            self.test_panel_window()
            self.test_mailbox()
            self.test_second_instance()
            self.test_feeds()
            self.test_pages()
            self.test_quit_saves()
        except Exception as error:  # a broken harness is a failed run, not a crash
            self.check("the end-to-end run completes", False, repr(error))
        finally:
            self.stop_all()
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 0 if self.failed == 0 else 1


if __name__ == "__main__":
    sys.exit(Run(sys.argv[1] if len(sys.argv) > 1 else "build/windows").main())
