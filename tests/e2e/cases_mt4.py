"""The MetaTrader folder dialogs as a user works them: the expert-advisor setup copying into a
new-layout and an old-layout terminal folder, the folder search scanning a drive of its own (and
stopping when closed in the middle of a scan), and the signal-copy setup after which the server
poll writes QZGCOPY.csv.

The folder search walks every fixed drive. Under Wine, Z: is the whole Unix file system, so the
test marks Z: as a network drive for its run (HKLM\\Software\\Wine\\Drives, read when the Wine
session starts) and maps its own trees as the fixed drives M: and N:. Both are undone at the end."""
import os
import subprocess
import time

from dialog_facts import controls
from resource_ids import ids

EA_TITLE = "EAセットアップ"
SEARCH_TITLE = "MT4検索"
SIGNAL_TITLE = "シグナル配信自動トレード設定"
IDOK, IDCANCEL = "1", "2"
VK_RETURN = "13"
FOLDER_EDITS = [ids.IDC_MT4_FOLDER, ids.IDC_MT4_FOLDER2, ids.IDC_MT4_FOLDER3]
STATUS_LINES = [ids.IDC_MT4_STATUS, ids.IDC_MT4_STATUS2, ids.IDC_MT4_STATUS3]
SEARCH_ROW3, SETUP, VERIFY = ids.IDC_MT4_SEARCH3, ids.IDC_MT4_SETUP, ids.IDC_MT4_VERIFY
EA_NAME = ids.IDC_MT4_EA_NAME
SEARCH_TEXT, SEARCH_LIST, SEARCH_AGAIN = ids.IDC_SEARCH_TEXT, ids.IDC_SEARCH_LIST, ids.IDC_SEARCH_AGAIN

MISSING_DLL = "DLLファイルが存在しません。"
EA_CORRECT = "状態は正常です"
QZGI_MISSING = "QZGI.ex4ファイルが存在しません。"
QZGI_CORRECT = "状態は正常です。"
VERIFIED = "状態検証が完了しました。"
INSTALLED = "ファイルの導入が完了しました。"
CHOOSE_ONE = "対象フォルダを選択して下さい。"
INSTRUCTIONS = ("メタトレーダーのフォルダを選択して下さい。\\n下の再検索ボタンを押すとPC内の対象フォルダ"
                "一覧を検索します。\\n<<検索には非常に時間がかかります。>>\\n")
SEARCHING = "現在検索中のフォルダ:\\n"
MARKERS = ["history", "languages", "tester", "experts"]
DRIVES = {"m:": "drive_m", "n:": "drive_n"}
FOUND_TERMINAL = "M:\\Broker\\MT4\\"
# The second scan walks this many folders on N: (per level, three levels), long enough to be
# closed while it runs on a machine several times faster than a 2-core VM under Wine, where
# less than half as many folders still took 7 s after the case had seen the scan reach N:.
BULK_FANOUT = 32


# --- the trees and drives -----------------------------------------------------------------------
def tree(r, *parts):
    return os.path.join(r.WORK, "mt4", *parts)


def wine_folder(path):
    """A folder as the program sees it through drive Z:, with a trailing backslash."""
    return "Z:" + path.replace("/", "\\") + "\\"


def make_folders(root, names):
    for name in names:
        os.makedirs(os.path.join(root, name), exist_ok=True)


def wine_registry(*arguments):
    # /reg:64: with the 32-bit Wine installed, "wine reg" may run the 32-bit reg.exe, whose
    # HKLM\Software is the Wow6432Node that Wine's (64-bit) mount manager never reads.
    subprocess.run(["wine", "reg"] + list(arguments) + ["/reg:64"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=120)


def dosdevice(letter):
    return os.path.join(os.environ["WINEPREFIX"], "dosdevices", letter)


def before_start(r):
    make_folders(tree(r, "new"), ["MQL4/experts", "MQL4/libraries", "MQL4/Files"])
    make_folders(tree(r, "old"), ["experts/libraries", "Files"])
    terminal = tree(r, "drive_m", "Broker", "MT4")
    make_folders(terminal, MARKERS)
    with open(os.path.join(terminal, "terminal.exe"), "wb") as f:
        f.write(b"MZ")
    make_folders(tree(r, "drive_m"), ["Windows/System", "Users/Public"])
    # Three marker folders only: not a terminal.
    make_folders(tree(r, "drive_m", "Almost"), MARKERS[:3])
    with open(tree(r, "drive_m", "Almost", "terminal.exe"), "wb") as f:
        f.write(b"MZ")
    os.makedirs(tree(r, "drive_n"))
    for letter, folder in DRIVES.items():
        if os.path.lexists(dosdevice(letter)):
            os.remove(dosdevice(letter))
        os.symlink(tree(r, folder), dosdevice(letter))
    wine_registry("add", "HKLM\\Software\\Wine\\Drives", "/v", "z:", "/t", "REG_SZ", "/d",
                  "network", "/f")
    for letter in DRIVES:
        wine_registry("add", "HKLM\\Software\\Wine\\Drives", "/v", letter, "/t", "REG_SZ", "/d",
                      "hd", "/f")
    # The drive types are read when the next Wine session starts.
    subprocess.run(["wineserver", "-w"], timeout=120)


def unmap_drives():
    for letter in DRIVES:
        if os.path.lexists(dosdevice(letter)):
            os.remove(dosdevice(letter))
    for letter in ["z:"] + list(DRIVES):
        wine_registry("delete", "HKLM\\Software\\Wine\\Drives", "/v", letter, "/f")


# --- helpers ------------------------------------------------------------------------------------
def dialog(r, title):
    return r.probe("dialog", title)


def text_of(facts, control):
    return controls(facts).get(control, ("", "", "", "", ""))[4]


def enabled(facts, control):
    return controls(facts).get(control, ("", "", "0"))[2] == "1"


def is_open(r, title):
    return dialog(r, title).get("dialog.found") == ["1"]


def open_by_command(r, command, title):
    r.command(command)
    shown = r.wait_for(lambda: is_open(r, title), 30)
    r.check("command %s opens %s" % (command, title), shown)
    return dialog(r, title)


def wait_until_closed(r, title, seconds=30):
    return r.wait_for(lambda: not is_open(r, title), seconds)


def box_shown(r, text):
    return any(text in w for w in r.probe("windows").get("window", []))


def answer_box(r, text):
    shown = r.wait_for(lambda: box_shown(r, text), 30)
    r.probe("answer", text, IDOK)
    return shown and r.wait_for(lambda: not box_shown(r, text), 30)


def settings_line(r, number):
    lines = r.setting_bytes("iasetting.dat").split(b"\r\n")
    return lines[number - 1].decode("cp932", errors="replace") if len(lines) >= number else ""


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


# --- the expert-advisor setup -------------------------------------------------------------------
def ea_setup(r):
    facts = open_by_command(r, "ID_EA_SETUP", EA_TITLE)
    r.check("empty folder fields show " + MISSING_DLL,
            [text_of(facts, s) for s in STATUS_LINES] == [MISSING_DLL] * 3, facts)
    r.check("the dialog names the expert advisor",
            text_of(facts, EA_NAME) == "EA名称はQZEAです。　インストール時にはMT4を終了してください。",
            text_of(facts, EA_NAME))
    r.probe("settext", EA_TITLE, FOLDER_EDITS[0], wine_folder(tree(r, "new")))
    r.probe("settext", EA_TITLE, FOLDER_EDITS[1], wine_folder(tree(r, "old")))
    r.probe("press", EA_TITLE, SETUP)

    notice = r.wait_for(lambda: box_shown(r, VERIFIED), 30)
    r.check("setup first shows " + VERIFIED, notice and not box_shown(r, INSTALLED))
    facts = dialog(r, EA_TITLE)
    r.check("both installations show " + EA_CORRECT + " before the notice is answered",
            [text_of(facts, s) for s in STATUS_LINES] == [EA_CORRECT, EA_CORRECT, MISSING_DLL],
            [text_of(facts, s) for s in STATUS_LINES])
    r.screenshot("mt4-ea-setup")
    r.check("the verification notice is answered", answer_box(r, VERIFIED))
    r.check("then " + INSTALLED + " is shown and answered", answer_box(r, INSTALLED))

    shipped = {name: read(os.path.join(r.PROGRAM, name))
               for name in ["qzea.dll", "QZEA.ex4", "QZEA_TT.ex4"]}
    new_layout = {"qzea.dll": tree(r, "new", "MQL4", "libraries", "qzea.dll"),
                  "QZEA.ex4": tree(r, "new", "MQL4", "experts", "QZEA.ex4"),
                  "QZEA_TT.ex4": tree(r, "new", "MQL4", "experts", "QZEA_TT.ex4")}
    old_layout = {"qzea.dll": tree(r, "old", "experts", "libraries", "qzea.dll"),
                  "QZEA.ex4": tree(r, "old", "experts", "QZEA.ex4"),
                  "QZEA_TT.ex4": tree(r, "old", "experts", "QZEA_TT.ex4")}
    r.check("the new layout receives the files below MQL4",
            all(read(path) == shipped[name] and shipped[name] for name, path in new_layout.items()))
    r.check("the old layout receives the library below experts",
            all(read(path) == shipped[name] and shipped[name] for name, path in old_layout.items()))


# --- the folder search --------------------------------------------------------------------------
def list_items(facts):
    return facts.get("lb.%s.item" % SEARCH_LIST, [])


def open_search(r):
    r.probe("press", EA_TITLE, SEARCH_ROW3)
    opened = r.wait_for(lambda: is_open(r, SEARCH_TITLE), 30)
    r.check("検索 opens " + SEARCH_TITLE, opened)
    return dialog(r, SEARCH_TITLE)


def search_to_the_end(r):
    facts = open_search(r)
    r.check("the search opens with its instructions and an empty list",
            text_of(facts, SEARCH_TEXT) == INSTRUCTIONS and not list_items(facts)
            and enabled(facts, SEARCH_AGAIN), facts)
    r.screenshot("mt4-search")
    started = time.time()
    r.probe("press", SEARCH_TITLE, SEARCH_AGAIN)

    def scan_over():
        facts = dialog(r, SEARCH_TITLE)
        return facts if enabled(facts, SEARCH_AGAIN) and list_items(facts) else None

    facts = r.wait_for(scan_over, 120) or dialog(r, SEARCH_TITLE)
    r.check("再検索 finds the terminal folder on drive M: only", list_items(facts) == [FOUND_TERMINAL],
            list_items(facts))
    r.check("the scan of the fixed drives ends and 再検索 is offered again",
            enabled(facts, SEARCH_AGAIN) and text_of(facts, SEARCH_TEXT) == INSTRUCTIONS,
            "%.0f s: %s" % (time.time() - started, facts))

    r.probe("press", SEARCH_TITLE, IDOK)
    r.check("OK without a selection asks for one and keeps the search open",
            answer_box(r, CHOOSE_ONE) and is_open(r, SEARCH_TITLE))
    r.probe("lbselect", SEARCH_TITLE, SEARCH_LIST, "0")
    r.probe("press", SEARCH_TITLE, IDOK)
    r.check("OK closes the search", wait_until_closed(r, SEARCH_TITLE))
    r.check("the chosen folder fills the third folder field and is kept",
            text_of(dialog(r, EA_TITLE), FOLDER_EDITS[2]) == FOUND_TERMINAL
            and settings_line(r, 3).endswith(FOUND_TERMINAL + "\x07"), settings_line(r, 3))
    r.check("the found folders are saved", settings_line(r, 4) == FOUND_TERMINAL + "\x07",
            settings_line(r, 4))


def make_bulk(r):
    """Folders enough to keep the next scan busy for a while."""
    root = tree(r, "drive_n")
    for a in range(BULK_FANOUT):
        for b in range(BULK_FANOUT):
            for c in range(BULK_FANOUT):
                os.makedirs(os.path.join(root, "a%02d" % a, "b%02d" % b, "c%02d" % c))


def close_during_scan(r):
    make_bulk(r)
    facts = open_search(r)
    r.check("the search shows the last scan's folders again", list_items(facts) == [FOUND_TERMINAL],
            list_items(facts))
    r.probe("press", SEARCH_TITLE, SEARCH_AGAIN)

    def on_drive_n():
        facts = dialog(r, SEARCH_TITLE)
        return facts if SEARCHING + "N:\\" in text_of(facts, SEARCH_TEXT) else None

    facts = r.wait_for(on_drive_n, 60) or dialog(r, SEARCH_TITLE)
    r.check("while scanning, the dialog answers and shows the folder being searched",
            SEARCHING + "N:\\" in text_of(facts, SEARCH_TEXT), text_of(facts, SEARCH_TEXT))
    r.check("while scanning, 再検索 is disabled and the found folder is listed",
            not enabled(facts, SEARCH_AGAIN) and list_items(facts) == [FOUND_TERMINAL], facts)
    r.screenshot("mt4-search-scanning")
    still_scanning = not enabled(dialog(r, SEARCH_TITLE), SEARCH_AGAIN)

    started = time.time()
    r.probe("press", SEARCH_TITLE, IDCANCEL)
    closed = wait_until_closed(r, SEARCH_TITLE)
    elapsed = time.time() - started
    r.check("closing in the middle of a scan stops it promptly",
            still_scanning and closed and elapsed < 5, "%.1f s" % elapsed)
    r.check("what the stopped scan found is saved", settings_line(r, 4) == FOUND_TERMINAL + "\x07",
            settings_line(r, 4))
    r.check("Cancel leaves the folder field as it was",
            text_of(dialog(r, EA_TITLE), FOLDER_EDITS[2]) == FOUND_TERMINAL)


def close_ea_setup(r):
    r.probe("press", EA_TITLE, IDCANCEL)
    r.check("閉じる closes the setup", wait_until_closed(r, EA_TITLE))
    expected = "\x07\x07%s\x07%s\x07%s\x07" % (wine_folder(tree(r, "new")),
                                                wine_folder(tree(r, "old")), FOUND_TERMINAL)
    r.check("closing keeps the three folders", settings_line(r, 3) == expected, settings_line(r, 3))


# --- the signal-copy setup ----------------------------------------------------------------------
def counter_file(r):
    return os.path.join(r.WORK, "server", "sv_pelimor", "websys", "qznhnd_update.dat")


def signal_copy(r):
    folder = wine_folder(tree(r, "new"))
    copy_file = tree(r, "new", "MQL4", "Files", "QZGCOPY.csv")
    facts = open_by_command(r, "ID_SIGNAL_COPY", SIGNAL_TITLE)
    r.check("without a folder the status is " + QZGI_MISSING,
            text_of(facts, STATUS_LINES[0]) == QZGI_MISSING, facts)
    r.probe("settext", SIGNAL_TITLE, FOLDER_EDITS[0], folder)
    r.probe("press", SIGNAL_TITLE, VERIFY)
    r.check("状態検証 checks the folder's expert advisor",
            r.wait_for(lambda: text_of(dialog(r, SIGNAL_TITLE), STATUS_LINES[0]) == QZGI_MISSING, 10))
    r.probe("press", SIGNAL_TITLE, SETUP)
    installed = r.wait_for(
        lambda: text_of(dialog(r, SIGNAL_TITLE), STATUS_LINES[0]) == QZGI_CORRECT, 30)
    shipped = read(os.path.join(r.PROGRAM, "QZGI.ex4"))
    r.check("setup installs QZGI.ex4 and verifies it: " + QZGI_CORRECT,
            installed and shipped and read(tree(r, "new", "MQL4", "experts", "QZGI.ex4")) == shipped)
    r.screenshot("mt4-signal-copy")
    r.check("no copy file while the dialog is open", not os.path.exists(copy_file))

    r.probe("press", SIGNAL_TITLE, IDCANCEL)
    r.check("閉じる closes the signal-copy setup", wait_until_closed(r, SIGNAL_TITLE))
    r.check("closing keeps the folder", settings_line(r, 6) == folder + "\x07\x07", settings_line(r, 6))

    # New data on the server: the next poll (once a minute) copies the signals.
    counter = int((read(counter_file(r)) or b"0").strip() or 0) + 1
    with open(counter_file(r), "wb") as f:
        f.write(b"%d\n" % counter)
    written = r.wait_for(lambda: read(copy_file), 90)
    lines = (written or b"").split(b"\r\n")
    r.check("the next poll writes QZGCOPY.csv from the signals",
            written and lines[-1] == b"" and 1 <= len(lines) - 1 <= 21
            and all(line.count(b",") >= 8 and not line.endswith(b",") for line in lines[:-1]),
            written)
    copy_file_held_open(r, copy_file)


def copy_file_held_open(r, copy_file):
    # The expert advisor holds QZGCOPY.csv open while it reads it, and the file cannot be replaced
    # meanwhile; the signal of a poll that came then is written once the file is let go.
    before = read(copy_file)
    flag = os.path.join(r.WORK, "hold-copy-file")
    with open(flag, "wb"):
        pass
    holder = r.start(["wine", os.path.join(r.build, "pelimor_probe.exe"), "hold",
                      wine_folder(copy_file).rstrip("\\"), wine_folder(flag).rstrip("\\")],
                     os.path.join(r.WORK, "hold.txt"))
    held = r.wait_for(lambda: b"held=1" in (read(os.path.join(r.WORK, "hold.txt")) or b""), 30)
    r.check("the probe holds QZGCOPY.csv open", held)
    signals = os.path.join(r.WORK, "server", "sv_pelimor", "websys", "qznhnd_data.dat")
    now = int(time.time())
    stamp = time.strftime("%Y.%m.%d %H:%M:%S", time.localtime(now)).encode("ascii")
    with open(signals, "ab") as f:
        f.write(b"9901,777001,%d,GBPJPY,%d,N,S,190.5,191,189,0.3,%s\n" % (now, now, stamp))
    counter = int((read(counter_file(r)) or b"0").strip() or 0) + 1
    with open(counter_file(r), "wb") as f:
        f.write(b"%d\n" % counter)
    refused = r.wait_for(lambda: any("hand-over file is held open" in line
                                     for line in r.traces()), 90)
    r.check("a poll while the file is held finds it cannot be replaced", refused)
    r.check("the held file keeps its old signals", read(copy_file) == before)
    os.remove(flag)
    holder.wait(30)
    written = r.wait_for(lambda: b"GBPJPY,%d," % now in (read(copy_file) or b""), 15)
    r.check("the new signal is written once the file is let go", written, read(copy_file))


# --- Enter in a folder field ---------------------------------------------------------------------
def enter_in(r, title, edit, folder):
    r.probe("settext", title, edit, folder)
    r.probe("dlgkey", title, edit, VK_RETURN)
    return wait_until_closed(r, title)


def enter_closes_as_close_does(r):
    # The dialog manager turns Enter into IDOK, though these dialogs have only 閉じる.
    typed = wine_folder(tree(r, "typed"))
    open_by_command(r, "ID_EA_SETUP", EA_TITLE)
    r.check("Enter in a folder field closes the setup", enter_in(r, EA_TITLE, FOLDER_EDITS[1], typed))
    r.check("and stores the folders as 閉じる does",
            settings_line(r, 3).split("\x07")[3:4] == [typed], settings_line(r, 3))

    kept = settings_line(r, 6)
    open_by_command(r, "ID_SIGNAL_COPY", SIGNAL_TITLE)
    r.check("Enter in the folder field closes the signal-copy setup",
            enter_in(r, SIGNAL_TITLE, FOLDER_EDITS[0], typed))
    r.check("and stores its folder as 閉じる does", settings_line(r, 6) == typed + "\x07\x07",
            settings_line(r, 6))
    open_by_command(r, "ID_SIGNAL_COPY", SIGNAL_TITLE)
    enter_in(r, SIGNAL_TITLE, FOLDER_EDITS[0], kept.split("\x07")[0])


# --- a data folder moved elsewhere and linked back -----------------------------------------------
def roaming_terminals():
    users = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users")
    user = os.environ.get("USER") or "root"
    return os.path.join(users, user, "AppData", "Roaming", "MetaQuotes", "Terminal")


def make_folder_link(link, target):
    """A junction as mklink /J makes one when Wine's cmd can; else a symbolic link of the
    unix folder, which Wine shows as a link too."""
    subprocess.run(["wine", "cmd", "/c", "mklink", "/J", wine_folder(link).rstrip("\\"),
                    wine_folder(target).rstrip("\\")], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)
    if not os.path.lexists(link):
        os.symlink(target, link)
    return "junction" if not os.path.islink(link) else "symbolic link"


def linked_data_folder(r):
    # MetaTrader's data moved to another drive and linked back where the terminal keeps it: the
    # search lists it from the roaming application data instead of scanning the drives.
    moved = tree(r, "moved-data")
    os.makedirs(moved, exist_ok=True)
    with open(os.path.join(moved, "origin.txt"), "wb") as f:
        f.write("\ufeffM:\\Broker\\MT4".encode("utf-16-le"))
    terminals = roaming_terminals()
    os.makedirs(terminals, exist_ok=True)
    link = os.path.join(terminals, "0123456789ABCDEF")
    try:
        kind = make_folder_link(link, moved)
        open_by_command(r, "ID_EA_SETUP", EA_TITLE)
        open_search(r)
        r.probe("press", SEARCH_TITLE, SEARCH_AGAIN)
        listed = r.wait_for(lambda: list_items(dialog(r, SEARCH_TITLE)), 30)
        r.check("a data folder that is a %s is found through its link" % kind,
                listed and len(listed) == 1 and listed[0].startswith("M:\\Broker\\MT4|")
                and listed[0].endswith("\\0123456789ABCDEF"), listed)
    finally:
        if os.path.lexists(link):
            if os.path.islink(link):
                os.remove(link)
            else:
                subprocess.run(["wine", "cmd", "/c", "rmdir", wine_folder(link).rstrip("\\")],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    close_leftovers(r)


def close_leftovers(r):
    for title in [SEARCH_TITLE, SIGNAL_TITLE, EA_TITLE]:
        if is_open(r, title):
            r.probe("press", title, IDCANCEL)
            wait_until_closed(r, title, 15)


def run(r):
    try:
        ea_setup(r)
        search_to_the_end(r)
        close_during_scan(r)
        close_ea_setup(r)
        signal_copy(r)
        enter_closes_as_close_does(r)
        linked_data_folder(r)
    finally:
        close_leftovers(r)
        unmap_drives()
