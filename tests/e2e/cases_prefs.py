"""The preference dialogs as a user works them: the sound settings (a row per alert event, the
enabled events stored as the mask of iasetting.dat, Cancel keeping everything) and the general
settings (Startup registration with its messages, the rank threshold whose change drops the
auto-trade rules of iaacm.dat)."""
import glob
import os
import time

from dialog_facts import controls
from resource_ids import ids

SOUND_TITLE = "通知・サウンド設定"
FILE_DIALOG_TITLE = "開く"
# The common file dialog's own controls (cmb13 and cmb2 of <dlgs.h>), not the program's.
FILE_NAME_BOX, FOLDER_BOX = "1148", "1137"
FILE_COLUMN, PLAY_COLUMN = "2", "3"
GENERAL_TITLE = "一般設定"
IDOK, IDCANCEL = "1", "2"
SOUND_LIST = ids.IDC_SOUND_LIST
RANK_EDIT = ids.IDC_NOTIFY_RANK
REGISTER, UNREGISTER = ids.IDC_REGISTER_STARTUP, ids.IDC_UNREGISTER_STARTUP
NOTICE_SOUND, NOTICE_BALLOON = ids.IDC_NOTICE_SOUND, ids.IDC_NOTICE_BALLOON

REGISTERED = "スタートアップに登録しました。"
ALREADY_REGISTERED = "既にスタートアップに登録されています。"
UNREGISTERED = "スタートアップ解除に成功しました。"


def startup_shortcuts():
    # Wine names the folder "StartUp"; Windows "Startup".
    prefix = os.environ.get("WINEPREFIX", "")
    return glob.glob(os.path.join(prefix, "drive_c", "users", "*", "AppData", "Roaming",
                                  "Microsoft", "Windows", "Start Menu", "Programs", "Start[Uu]p",
                                  "Pelimor.lnk"))


def before_start(r):
    # A shortcut left by an earlier run would turn the first registration into "already there".
    for path in startup_shortcuts():
        os.remove(path)


# --- helpers ------------------------------------------------------------------------------------
def open_dialog(r, command, title):
    r.command(command)
    facts = r.wait_for(lambda: (lambda f: f if f.get("dialog.found") == ["1"] else None)(
        r.probe("dialog", title)), 30)
    r.check("command %s opens %s" % (command, title), bool(facts))
    return facts or {}


def close_dialog(r, title, button):
    r.probe("press", title, button)
    return r.wait_for(lambda: r.probe("dialog", title).get("dialog.found") == ["0"], 30)


def list_rows(facts, list_id):
    """Row number -> [checked, selected, column 0, column 1, ...]."""
    rows = {}
    for line in facts.get("lv.%s.row" % list_id, []):
        parts = line.split("|")
        rows[int(parts[0])] = parts[1:]
    return rows


def settings_lines(r):
    return r.setting_bytes("iasetting.dat").split(b"\r\n")


def event_mask(r):
    lines = settings_lines(r)
    return lines[1].split(b"\x07")[0] if len(lines) > 1 else b""


def stored_sound(r, event):
    lines = settings_lines(r)
    fields = lines[1].split(b"\x07") if len(lines) > 1 else []
    return fields[event + 1] if len(fields) > event + 1 else b""


def stored_rank(r):
    fields = settings_lines(r)[0].split(b"\x07")
    return fields[3] if len(fields) > 3 else b""


def message_shown(r, text):
    return any(text in w for w in r.probe("windows").get("window", []))


def answer_message(r, name, text):
    shown = r.wait_for(lambda: message_shown(r, text), 30)
    r.check(name, shown, r.probe("windows").get("window"))
    r.probe("answer", text, IDOK)
    r.wait_for(lambda: not message_shown(r, text), 15)


# --- sound settings -----------------------------------------------------------------------------
def sound_settings(r):
    facts = open_dialog(r, "ID_SOUND_SETTINGS", SOUND_TITLE)
    rows = list_rows(facts, SOUND_LIST)
    r.check("the sound list has 23 rows", facts.get("lv.%s.count" % SOUND_LIST) == ["23"]
            and len(rows) == 23, facts.get("lv.%s.count" % SOUND_LIST))
    r.check("row 0 is the enabled 1-minute alert with its default sound and PLAY",
            rows.get(0, [])[:1] == ["1"] and rows.get(0, [])[3:6] ==
            ["１分前", "sound\\default\\1.mp3", "PLAY"], rows.get(0))
    r.check("row 22 is the signal sound",
            rows.get(22, [])[3:5] == ["シグナル着信時", "sound\\default\\asignal.wav"], rows.get(22))
    time.sleep(1)
    r.screenshot("sound-settings")

    r.probe("lvcheck", SOUND_TITLE, SOUND_LIST, "0", "0")
    closed = close_dialog(r, SOUND_TITLE, IDOK)
    r.check("OK closes the sound settings", closed)
    r.check("unticking 1分前 and OK disables event 0 only",
            r.wait_for(lambda: event_mask(r) == b"007FFFFE", 15), event_mask(r))

    facts = open_dialog(r, "ID_SOUND_SETTINGS", SOUND_TITLE)
    r.check("reopened, row 0 shows the stored tick",
            list_rows(facts, SOUND_LIST).get(0, [])[:1] == ["0"],
            list_rows(facts, SOUND_LIST).get(0))
    r.probe("lvcheck", SOUND_TITLE, SOUND_LIST, "0", "1")
    closed = close_dialog(r, SOUND_TITLE, IDCANCEL)
    r.check("Cancel closes the sound settings", closed)
    time.sleep(1)
    r.check("Cancel after ticking keeps event 0 disabled", event_mask(r) == b"007FFFFE",
            event_mask(r))


def chosen_sound_file(r):
    """A file inside the program folder is stored relative to it; the file dialog opens next in
    the folder of the file chosen last."""
    open_dialog(r, "ID_SOUND_SETTINGS", SOUND_TITLE)
    r.probe("lvdblclick", SOUND_TITLE, SOUND_LIST, "1", FILE_COLUMN)
    found = r.wait_for(lambda: r.probe("dialog", FILE_DIALOG_TITLE).get("dialog.found") == ["1"],
                       30)
    r.check("double-clicking a file opens the file dialog", found)
    r.screenshot("sound-file-dialog")
    chosen = "Z:" + os.path.join(r.PROGRAM, "sound", "default", "aalert.wav").replace("/", "\\")
    r.probe("settext", FILE_DIALOG_TITLE, FILE_NAME_BOX, chosen)
    r.probe("press", FILE_DIALOG_TITLE, IDOK)
    row = r.wait_for(lambda: (lambda rw: rw if rw[4:5] == ["sound\\default\\aalert.wav"] else None)(
        list_rows(r.probe("dialog", SOUND_TITLE), SOUND_LIST).get(1, [])), 30)
    r.check("a chosen file in the program folder shows as sound\\default\\aalert.wav", row,
            list_rows(r.probe("dialog", SOUND_TITLE), SOUND_LIST).get(1))

    r.probe("lvdblclick", SOUND_TITLE, SOUND_LIST, "2", FILE_COLUMN)
    folder = r.wait_for(lambda: controls(r.probe("dialog", FILE_DIALOG_TITLE)).get(FOLDER_BOX), 30)
    r.check("the file dialog opens in the last chosen folder",
            folder is not None and folder[4] == "default", folder)
    r.probe("press", FILE_DIALOG_TITLE, IDCANCEL)
    r.wait_for(lambda: r.probe("dialog", FILE_DIALOG_TITLE).get("dialog.found") == ["0"], 30)
    r.check("cancelling the file dialog leaves the row",
            list_rows(r.probe("dialog", SOUND_TITLE), SOUND_LIST).get(2, [])[4:5] ==
            ["sound\\default\\3.mp3"])

    r.probe("lvdblclick", SOUND_TITLE, SOUND_LIST, "1", PLAY_COLUMN)
    time.sleep(2)
    r.check("a test play keeps the dialog working",
            r.probe("dialog", SOUND_TITLE).get("dialog.found") == ["1"])
    r.check("OK closes the sound settings", close_dialog(r, SOUND_TITLE, IDOK))
    r.check("OK stores the relative path for event 1",
            r.wait_for(lambda: stored_sound(r, 1) == b"sound\\default\\aalert.wav", 15),
            stored_sound(r, 1))


# --- general settings ---------------------------------------------------------------------------
def general_settings(r):
    rank_before = stored_rank(r)
    facts = open_dialog(r, "ID_GENERAL_SETTINGS", GENERAL_TITLE)
    shown = controls(facts)
    r.check("the rank edit shows the stored rank",
            shown.get(RANK_EDIT, ("",) * 5)[4] == str(int(rank_before or b"0", 16)),
            (shown.get(RANK_EDIT), rank_before))
    r.check("the notice switches are not shown",
            shown.get(NOTICE_SOUND, ("", "1"))[1] == "0" and
            shown.get(NOTICE_BALLOON, ("", "1"))[1] == "0",
            (shown.get(NOTICE_SOUND), shown.get(NOTICE_BALLOON)))
    time.sleep(1)
    r.screenshot("general-settings")

    r.probe("press", GENERAL_TITLE, REGISTER)
    answer_message(r, "登録 reports " + REGISTERED, REGISTERED)
    r.check("the Startup shortcut exists", bool(startup_shortcuts()))
    r.probe("press", GENERAL_TITLE, REGISTER)
    answer_message(r, "登録 again reports " + ALREADY_REGISTERED, ALREADY_REGISTERED)
    r.probe("press", GENERAL_TITLE, UNREGISTER)
    answer_message(r, "解除 reports " + UNREGISTERED, UNREGISTERED)
    r.check("the Startup shortcut is gone", not startup_shortcuts(), startup_shortcuts())

    rules = r.setting_bytes("iaacm.dat")
    r.check("OK without a rank change", close_dialog(r, GENERAL_TITLE, IDOK))
    time.sleep(1)
    r.check("an unchanged rank keeps the auto-trade rules",
            rules != b"" and r.setting_bytes("iaacm.dat") == rules, r.setting_bytes("iaacm.dat"))

    open_dialog(r, "ID_GENERAL_SETTINGS", GENERAL_TITLE)
    r.probe("settext", GENERAL_TITLE, RANK_EDIT, "12")
    r.check("OK with rank 12", close_dialog(r, GENERAL_TITLE, IDOK))
    r.check("the typed rank 12 is stored unclipped",
            r.wait_for(lambda: stored_rank(r) == b"0000000C", 15), stored_rank(r))
    r.check("a changed rank empties iaacm.dat",
            r.wait_for(lambda: r.setting_bytes("iaacm.dat") == b"", 15),
            r.setting_bytes("iaacm.dat"))

    facts = open_dialog(r, "ID_GENERAL_SETTINGS", GENERAL_TITLE)
    r.check("reopened, the edit shows 12 beyond the spin range",
            controls(facts).get(RANK_EDIT, ("",) * 5)[4] == "12", controls(facts).get(RANK_EDIT))
    # Back to the threshold the later cases expect.
    r.probe("settext", GENERAL_TITLE, RANK_EDIT, str(int(rank_before or b"0", 16)))
    close_dialog(r, GENERAL_TITLE, IDOK)
    r.wait_for(lambda: stored_rank(r) == rank_before, 15)


def run(r):
    sound_settings(r)
    chosen_sound_file(r)
    general_settings(r)
