"""The panel itself: the window, the expert advisor's mailbox, the second start, the feeds and
the page layouts."""
import re
import subprocess
import time

from cases_pages import wait_layout
from e2e import RULED_MASK
from resource_ids import ids

IDOK = "1"
VK_RETURN, VK_ESCAPE = "13", "27"


def panel_window(r):
    facts = r.wait_for(
        lambda: (lambda f: f if f.get("panel.visible") == "1" else None)(r.panel_facts()), 90)
    facts = facts or r.panel_facts()
    r.check("the panel opens", facts.get("panel.visible") == "1", facts)
    r.check("the panel is a topmost tool window",
               facts.get("panel.topmost") == "1" and facts.get("panel.toolwindow") == "1", facts)
    r.check("the panel is 240 x 534 with a region",
               facts.get("panel.width") == "240" and facts.get("panel.height") == "534"
               and facts.get("panel.region") == "1", facts)
    r.check("the program runs in code page 932", facts.get("codepage") == "932", facts)
    time.sleep(2)
    r.screenshot("panel-start")

def mailbox(r):
    expected = {"chain1.level1": str(r.ruled_time - (1 << 32) if r.ruled_time >= 1 << 31
                                     else r.ruled_time),
                "chain1.level2": str(RULED_MASK), "chain1.level3": "2"}

    def published():
        facts = r.panel_facts()
        return facts if all(facts.get(k) == v for k, v in expected.items()) else None

    facts = r.wait_for(published, 15) or r.panel_facts()
    r.check("the mailbox carries the ruled indicator's time, mask and direction",
               all(facts.get(k) == v for k, v in expected.items()), facts)
    others = [facts.get("chain%d.level%d" % (c, l)) for c in (2, 3) for l in (1, 2, 3)]
    r.check("chains 2 and 3 hold zeros", others == ["0"] * 6, others)

def second_instance(r):
    second = r.start_program("second")

    def box():
        windows = r.probe("windows").get("window", [])
        return any("既にツールが起動しています。" in w for w in windows)

    shown = r.wait_for(box, 30)
    r.check("a second start shows 既にツールが起動しています。", shown)
    r.screenshot("second-instance")
    r.probe("answer", "既にツールが起動しています。", IDOK)
    try:
        second.wait(30)
        ended = True
    except subprocess.TimeoutExpired:
        ended = False
    r.check("the second process ends", ended)
    r.check("the first panel keeps running", r.panel_facts().get("panel.visible") == "1")

def feeds(r):
    def fetched():
        names = ["iaweb1.dat", "iaweb2.dat", "iaweb3.dat"]
        return all(r.setting_bytes(n) for n in names)

    r.check("the feeds are downloaded", r.wait_for(fetched, 60))
    sample_name = "米・失業率".encode("cp932")
    r.check("the indicator store takes the sample feed",
               r.wait_for(lambda: sample_name in r.setting_bytes("iaindex2.dat"), 30),
               r.setting_bytes("iaindex2.dat")[:200])
    r.check("the news store is written",
               r.wait_for(lambda: r.setting_bytes("iasnews.dat").count(b"\r\n") >= 5, 30))

def list_times_whole(r):
    # The list says in its trace at which size it drew a row's time, how wide that was and how
    # wide the time's place is; the time must never be cut.
    pattern = re.compile(r"indicator list: time (\d\d:\d\d) at ([\d.]+) pt, (\d+) of (\d+) pixels")

    def drawn():
        return [m.groups() for m in map(pattern.search, r.traces()) if m]

    times = r.wait_for(drawn, 10)
    r.check("page 1: the list draws every time whole in its place",
            bool(times) and all(int(width) <= int(place) for _, _, width, place in times), times)


def pages(r):
    def show(command, name, height, list_y=None):
        r.command(command)
        ok, facts = wait_layout(r, height, list_y)
        r.check("%s: the window is %d high" % (name, height), ok, facts)
        time.sleep(2)  # the page is drawn after its layout
        r.screenshot(name)

    show("IDB_TAB_INDICATORS", "page0-calendar", 534, 294)
    show("IDB_FOLD_CALENDAR", "page1-list", 342, 104)
    list_times_whole(r)
    show("IDB_UNFOLD_CALENDAR", "page0-unfolded", 534, 294)
    show("IDB_TAB_NEWS", "page2-news", 534)
    show("IDB_TAB_NOTICES", "page3-notices", 534)
    show("ID_SHOW_SIGNALS", "page4-signals", 535)


def keys(r):
    # Keys reach the panel as the keyboard gives them: Enter does nothing, Escape hides and shows.
    r.probe("key", VK_RETURN)
    time.sleep(2)
    r.check("Enter leaves the panel as it is", r.panel_facts().get("panel.visible") == "1")
    r.probe("key", VK_ESCAPE)
    r.check("Escape hides the panel",
            r.wait_for(lambda: r.panel_facts().get("panel.visible") == "0", 10))
    # Hidden, the panel gets no keys; the menu's show command brings it back.
    r.command("ID_SHOW_HIDE")
    r.check("the menu shows it again",
            r.wait_for(lambda: r.panel_facts().get("panel.visible") == "1", 10))


def about_box(r):
    title = "Pelimor\u3000バージョン情報"
    r.command("ID_ABOUT")
    found = r.wait_for(lambda: r.probe("dialog", title).get("dialog.found") == ["1"], 30)
    r.check("ID_ABOUT opens the version dialog", found)
    lines = r.probe("dialog", title).get("control", [])
    version = [line.split("|", 5)[5] for line in lines
               if line.startswith(ids.IDC_VERSION_TEXT + "|")]
    r.check("the version line reads Pelimor version,3.100", version == ["Pelimor version,3.100"],
            version)
    r.screenshot("about")
    r.probe("dlgkey", title, IDOK, VK_RETURN)
    r.check("Enter closes the version dialog",
            r.wait_for(lambda: r.probe("dialog", title).get("dialog.found") == ["0"], 30))


# The panel's buttons by their place on it, with the tooltip each carries.
TOOL_TIPS = {
    (216, 17): "非表示", (5, 16): "ホームページ", (4, 44): "指標表示", (61, 44): "ニュース表示",
    (119, 44): "その他表示", (187, 294): "次へ", (10, 294): "前へ", (56, 294): "未読表示",
    (97, 294): "未読を既読へ",
}


def tool_tips(r):
    tools = {}
    for line in r.probe("tooltips").get("tool", []):
        place, _, text = line.partition("|")
        x, _, y = place.partition(",")
        tools[(int(x), int(y))] = text
    r.check("the panel's tooltips carry their texts on their buttons", tools == TOOL_TIPS, tools)


# A point of the panel's background, clear of its buttons on every page.
WM_DISPLAYCHANGE = "126"
OFF_SCREEN = (3000, 2000)  # on a second monitor that has gone; the test display is 1024x768


def panel_at(r):
    facts = r.panel_facts()
    return facts.get("panel.left"), facts.get("panel.top")


def tray_icon_comes_back_at_once(r):
    removed = r.probe("forgettray").get("tray.removed") == ["1"]
    back = r.wait_for(lambda: r.probe("tray").get("tray.registered") == ["1"], 8)
    r.check("after Explorer starts again (TaskbarCreated) the tray icon is back at once",
            removed and back, (removed, back))


def display_change_brings_the_panel_back(r):
    before = panel_at(r)
    r.probe("move", *(str(v) for v in OFF_SCREEN))
    moved = r.wait_for(lambda: panel_at(r) == tuple(str(v) for v in OFF_SCREEN), 10)
    r.probe("post", WM_DISPLAYCHANGE, "24", str(768 << 16 | 1024))
    back = r.wait_for(lambda: panel_at(r) == ("0", "0"), 10)
    r.check("a display change brings a panel left off the desktop back to (0, 0)",
            moved and back, (moved, panel_at(r)))
    r.probe("move", *before)
    r.wait_for(lambda: panel_at(r) == before, 10)


MENU_CLICK_POINT = (200, 66)
ABOUT_TITLE = "Pelimor\u3000バージョン情報"


def open_menus(r):
    return int(r.probe("menus").get("menus.open", ["0"])[0])


def right_click_menu(r):
    facts = r.panel_facts()
    x = int(facts["panel.left"]) + MENU_CLICK_POINT[0]
    y = int(facts["panel.top"]) + MENU_CLICK_POINT[1]
    # A real click of the X server's pointer, so the panel's own mouse handling opens the menu.
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=False)
    time.sleep(1)
    subprocess.run(["xdotool", "click", "3"], check=False)
    opened = r.wait_for(lambda: open_menus(r) >= 1, 15)
    r.check("a right click on the panel opens its menu", opened)
    r.screenshot("panel-menu")
    if opened:
        # The mnemonics of "ヘルプ(&H)" and its "バージョン情報(&V)".
        r.probe("char", str(ord("h")))
        r.check("&H opens the help submenu", r.wait_for(lambda: open_menus(r) >= 2, 10))
        r.probe("char", str(ord("v")))
    found = r.wait_for(lambda: r.probe("dialog", ABOUT_TITLE).get("dialog.found") == ["1"], 30)
    r.check("バージョン情報(&V) chosen from the menu opens the version dialog", found)
    r.check("the menu is closed once the command is chosen",
            r.wait_for(lambda: open_menus(r) == 0, 10))
    if found:
        r.probe("dlgkey", ABOUT_TITLE, IDOK, VK_RETURN)
        r.check("the version dialog closes",
                r.wait_for(lambda: r.probe("dialog", ABOUT_TITLE).get("dialog.found") == ["0"], 30))
    leave_panel_as_found(r)


def leave_panel_as_found(r):
    # Escape closes one menu level at a time; with no menu open it would hide the panel.
    for _ in range(3):
        if open_menus(r) == 0:
            break
        r.probe("key", VK_ESCAPE)
        time.sleep(1)
    if r.probe("dialog", ABOUT_TITLE).get("dialog.found") == ["1"]:
        r.probe("dlgkey", ABOUT_TITLE, IDOK, VK_RETURN)
    # The pointer leaves the panel, so that no tooltip stays up.
    subprocess.run(["xdotool", "mousemove", "1000", "740"], check=False)
    if not r.wait_for(lambda: r.panel_facts().get("panel.visible") == "1", 5):
        r.command("ID_SHOW_HIDE")


def run(r):
    panel_window(r)
    mailbox(r)
    second_instance(r)
    feeds(r)
    pages(r)
    keys(r)
    about_box(r)
    tool_tips(r)
    right_click_menu(r)
    tray_icon_comes_back_at_once(r)
    display_change_brings_the_panel_back(r)
