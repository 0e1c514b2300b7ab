"""The very first start, before the shared panel starts: the terms dialog declined with 閉じる
ends the program; at the next start, ticked and closed with Enter it counts as agreement, and
the first-run dialog follows (the first start that passes the terms is the first run), whose Enter creates both shortcuts (Startup and desktop, inside the test's Wine prefix)
pointing at Pelimor.exe with the program folder as working folder; opened again from the menu
with the shortcuts present it creates nothing and says nothing. The settings of the shared run
are put back afterwards."""
import glob
import os
import shutil
import struct
import subprocess
import time
import urllib.request

from resource_ids import ids

TERMS_TITLE = "Pelimor\u3000利用規約"
FIRST_TITLE = "Pelimor セットアップ"
IDOK, IDCANCEL = "1", "2"
AGREED = ids.IDC_TERMS_AGREED
STARTUP_BOX, DESKTOP_BOX = ids.IDC_FIRST_RUN_STARTUP, ids.IDC_FIRST_RUN_DESKTOP
VK_RETURN = "13"
STARTUP_CREATED = "PelimorをPC起動時に同時起動するように設定しました。"
DESKTOP_CREATED = "Pelimorをデスクトップに作成しました。"


def user_folder(*parts):
    prefix = os.environ.get("WINEPREFIX", "")
    found = glob.glob(os.path.join(prefix, "drive_c", "users", "*", *parts))
    return [f for f in found if "Public" not in f]


def shortcuts():
    # Wine names the folder "StartUp"; Windows "Startup".
    return (user_folder("AppData", "Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
                        "Start[Uu]p", "Pelimor.lnk")
            + user_folder("Desktop", "Pelimor.lnk"))


def remove_shortcuts():
    for path in shortcuts():
        os.remove(path)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def holds_text(data, text):
    """The link holds the text as a counted Unicode string or as code-page bytes."""
    wide = text.encode("utf-16-le")
    return (struct.pack("<H", len(text)) + wide) in data or wide in data or \
        text.encode("cp932") in data


def dialog_open(r, title):
    return r.probe("dialog", title).get("dialog.found") == ["1"]


def checked(r, title, control):
    for line in r.probe("dialog", title).get("control", []):
        parts = line.split("|")
        if parts[0] == control:
            return parts[4] == "1"
    return False


def message_shown(r, text):
    return any(text in w for w in r.probe("windows").get("window", []))


def ended(process, seconds):
    try:
        process.wait(seconds)
        return True
    except subprocess.TimeoutExpired:
        return False


def declining_ends_the_program(r):
    program = r.start_program("first-declined")
    r.check("the first start shows the terms", r.wait_for(lambda: dialog_open(r, TERMS_TITLE), 90))
    r.screenshot("first-terms")
    r.probe("press", TERMS_TITLE, IDCANCEL)
    r.check("閉じる without the tick ends the program", ended(program, 30))
    r.check("declining writes no shortcut", not shortcuts(), shortcuts())


def agreeing_with_enter(r):
    # The declined start wrote a settings file without an acceptance: this start, the first to
    # pass the terms, is still the first run.
    r.check("the declined start left its settings file",
            os.path.exists(r.setting_path("iasetting.dat")))
    program = r.start_program("first-agreed")
    r.check("the terms show again", r.wait_for(lambda: dialog_open(r, TERMS_TITLE), 90))
    r.probe("check", TERMS_TITLE, AGREED, "1")
    r.probe("dlgkey", TERMS_TITLE, AGREED, VK_RETURN)
    r.check("Enter after the tick agrees: the first-run dialog follows",
            r.wait_for(lambda: dialog_open(r, FIRST_TITLE), 30), r.probe("windows"))
    r.check("both first-run boxes start ticked",
            checked(r, FIRST_TITLE, STARTUP_BOX) and checked(r, FIRST_TITLE, DESKTOP_BOX))
    r.screenshot("first-run")
    r.probe("dlgkey", FIRST_TITLE, STARTUP_BOX, VK_RETURN)
    for text in (STARTUP_CREATED, DESKTOP_CREATED):
        shown = r.wait_for(lambda: message_shown(r, text), 30)
        r.check("Enter in the first-run dialog tells: " + text, shown, r.probe("windows"))
        r.probe("answer", text, IDOK)
        r.wait_for(lambda: not message_shown(r, text), 15)
    return program


def check_shortcuts(r):
    desktop = user_folder("Desktop")
    r.check("the test prefix has a Desktop folder of its own",
            len(desktop) == 1 and not os.path.islink(desktop[0]), desktop)
    links = shortcuts()
    r.check("two shortcuts: Startup and desktop", len(links) == 2, links)
    folder = windows_path(r.PROGRAM) + "\\"
    for link in links:
        with open(link, "rb") as f:
            data = f.read()
        r.check("%s points at Pelimor.exe" % os.path.basename(os.path.dirname(link)),
                holds_text(data, folder + "Pelimor.exe"), data[:400])
        r.check("%s works in the program folder" % os.path.basename(os.path.dirname(link)),
                holds_text(data, folder), data[:400])


def setup_again_creates_nothing(r, program):
    r.check("the panel opens after the first-run dialog",
            r.wait_for(lambda: r.panel_facts().get("panel.visible") == "1", 60))
    before = {path: os.path.getmtime(path) for path in shortcuts()}
    r.command("ID_RUN_SETUP")
    r.check("the menu opens the first-run dialog", r.wait_for(lambda: dialog_open(r, FIRST_TITLE), 30))
    r.probe("dlgkey", FIRST_TITLE, STARTUP_BOX, VK_RETURN)
    r.check("Enter closes it", r.wait_for(lambda: not dialog_open(r, FIRST_TITLE), 30))
    time.sleep(3)
    boxes = [w for w in r.probe("windows").get("window", [])
             if STARTUP_CREATED in w or DESKTOP_CREATED in w]
    r.check("with both shortcuts present nothing is said", not boxes, boxes)
    r.check("and nothing is written again",
            {path: os.path.getmtime(path) for path in shortcuts()} == before)
    r.command("ID_EXIT")
    r.check("the first-start panel quits", ended(program, 30))


def server_ready(r):
    url = "http://127.0.0.1:%d/sv_pelimor/websys/prims/version.dat" % r.PORT
    try:
        with urllib.request.urlopen(url, timeout=5) as answer:
            return answer.read().strip().isdigit()
    except OSError:
        return False


def before_panel(r):
    # The start asks the server for its version before anything else.
    r.check("the data server answers", r.wait_for(lambda: server_ready(r), 30))
    shared = r.SETTING + ".shared"
    os.rename(r.SETTING, shared)
    remove_shortcuts()
    try:
        declining_ends_the_program(r)
        program = agreeing_with_enter(r)
        check_shortcuts(r)
        setup_again_creates_nothing(r, program)
    finally:
        subprocess.run(["wineserver", "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        remove_shortcuts()
        shutil.rmtree(r.SETTING, ignore_errors=True)
        os.rename(shared, r.SETTING)
