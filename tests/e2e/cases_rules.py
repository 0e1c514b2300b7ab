"""The auto-trade rule dialogs as a user works them: the list of coming announcements with their
rules (simultaneous ones sharing a row), the IA link switched by a double-click, the symbol editor
with OK and Cancel, "全て削除", every change written to iaacm.dat at once; and the developer
command's digest dialog before its test announcement."""
import time

from dialog_facts import controls
from resource_ids import ids
from e2e import RULED_DIRECTION, RULED_ID, RULED_MASK, SEP, hex_field, text_field

LIST_TITLE = "自動売買シグナル設定"
EDITOR_TITLE = "対象通貨設定"
TEST_TITLE = "TEST"
IDOK, IDCANCEL = "1", "2"
RULE_LIST = ids.IDC_RULE_LIST
CLEAR_ALL = ids.IDC_CLEAR_ALL_RULES
EDITOR_TARGET = ids.IDC_RULE_TARGET
DIRECTION = ids.IDC_RULE_DIRECTION
LINK_COLUMN = 3

# Announcements beside the harness's ruled one (id 7): one without a rule, two at the same moment
# and one already past. All come after the ruled one, so the expert advisor's mailbox keeps it.
LINK_ID, PAIR_FIRST_ID, PAIR_SECOND_ID, PAST_ID = 8, 9, 10, 11
LINK_NAME = "E2E連携指標"
PAIR_NAMES = ("E2E同時指標A", "E2E同時指標B")
PAST_NAME = "E2E過去指標"
SYMBOLS = ["AUDCAD", "AUDCHF", "AUDJPY", "AUDNZD", "AUDUSD", "CADCHF", "CADJPY", "CHFJPY",
           "EURAUD", "EURCAD", "EURCHF", "EURGBP", "EURJPY", "EURNZD", "EURUSD", "GBPAUD",
           "GBPCAD", "GBPCHF", "GBPJPY", "GBPNZD", "GBPUSD", "NZDCAD", "NZDCHF", "NZDJPY",
           "NZDUSD", "USDJPY", "USDCAD", "USDCHF", "XAUUSD"]
USDJPY, XAUUSD = 25, 28
SELL_ONLY, BUY_ONLY = 1, 2
# A rule left behind by an announcement that has gone from the store, at the id the next-id
# counter of the harness's settings names: the feed's new announcements must not inherit it.
LEFT_RULE_SYMBOLS = "GBPNZD,XAUUSD"
LEFT_RULE_MASK = (1 << 19) | (1 << XAUUSD)


def off_the_minute(when):
    # The sample feed's announcements fall on whole minutes; these must not join their rows.
    return when + 7 if when % 60 == 0 else when


def indicator_line(when, name, country, rank, indicator_id):
    return (hex_field(when) + text_field(name) + text_field("1.0") + text_field("-") +
            text_field("0.5") + hex_field(country) + hex_field(rank) + hex_field(0) +
            hex_field(0) + hex_field(1) + hex_field(indicator_id))


def rule_line(words):
    return ("".join(hex_field(w) for w in words) + "\r\n").encode("ascii")


def next_id_counter(r):
    general = r.setting_bytes("iasetting.dat").split(b"\r\n")[0].split(SEP.encode("ascii"))
    return int(general[9], 16)


def indicator_ids(r):
    lines = [line for line in r.setting_bytes("iaindex2.dat").split(b"\r\n") if line]
    return [int(line.split(SEP.encode("ascii"))[10], 16) for line in lines]


def before_start(r):
    r.left_rule_id = next_id_counter(r)
    with open(r.setting_path("iaacm.dat"), "ab") as f:
        f.write(rule_line([r.left_rule_id, LEFT_RULE_MASK, 0, 0, 0, SELL_ONLY, 0, 1, 0]))
    with open(r.setting_path("iaindex2.dat"), "rb") as f:
        ruled = f.read().decode("cp932").split("\r\n")[0]  # the harness's id 7, unchanged
    r.link_time = off_the_minute(r.ruled_time + 3600)
    r.pair_time = off_the_minute(r.ruled_time + 7200)
    r.write_setting("iaindex2.dat", [
        ruled,
        indicator_line(r.link_time, LINK_NAME, 1, 3, LINK_ID),
        indicator_line(r.pair_time, PAIR_NAMES[0], 2, 5, PAIR_FIRST_ID),
        indicator_line(r.pair_time, PAIR_NAMES[1], 3, 2, PAIR_SECOND_ID),
        indicator_line(int(time.time()) - 3600, PAST_NAME, 4, 5, PAST_ID),
    ])


# --- helpers ------------------------------------------------------------------------------------
def row_title(when, names):
    local = time.localtime(when)
    return "[%d/%d %02d:%02d]%s" % (local.tm_mon, local.tm_mday, local.tm_hour, local.tm_min,
                                    ",".join(names))


def dialog_facts(r, title):
    facts = r.probe("dialog", title)
    return facts if facts.get("dialog.found") == ["1"] else None


def wait_dialog(r, title):
    return r.wait_for(lambda: dialog_facts(r, title), 30) or {}


def wait_closed(r, title):
    return r.wait_for(lambda: r.probe("dialog", title).get("dialog.found") == ["0"], 30)


def list_rows(facts):
    """[(row number, checked, selected, column 0, column 1, ...)] in row order."""
    rows = []
    for line in facts.get("lv.%s.row" % RULE_LIST, []):
        parts = line.split("|")
        rows.append((int(parts[0]), parts[1] == "1", parts[2] == "1") + tuple(parts[3:]))
    return rows


def rule_rows(r):
    """Row title -> (row number, symbols, direction, link) of the open rule list."""
    return {row[3]: (row[0],) + tuple(row[4:7])
            for row in list_rows(r.probe("dialog", LIST_TITLE))}


def wait_row(r, title, expected):
    """Waits until the row shows the expected (symbols, direction, link); returns what it shows."""
    def shows():
        row = rule_rows(r).get(title)
        return row if row and row[1:] == expected else None
    return r.wait_for(shows, 20) or rule_rows(r).get(title)


def rule_file_line(r, indicator_id):
    prefix = ("%08X" % indicator_id + SEP).encode("ascii")
    for line in r.setting_bytes("iaacm.dat").split(b"\r\n"):
        if line.startswith(prefix):
            return line + b"\r\n"
    return b""


def open_editor(r, title, column):
    r.probe("lvdblclick", LIST_TITLE, RULE_LIST, str(rule_rows(r)[title][0]), str(column))
    return wait_dialog(r, EDITOR_TITLE)


def edit_rule(r, title, ticked, direction):
    """Opens the editor on the row, ticks exactly the given symbols, picks the direction, OK."""
    facts = open_editor(r, title, 0)
    for row in list_rows(facts):
        if row[1] != (row[0] in ticked):
            r.probe("lvcheck", EDITOR_TITLE, RULE_LIST, str(row[0]), "1" if row[0] in ticked else "0")
    r.probe("cbselect", EDITOR_TITLE, DIRECTION, str(direction))
    r.probe("press", EDITOR_TITLE, IDOK)
    return wait_closed(r, EDITOR_TITLE)


# --- cases --------------------------------------------------------------------------------------
def list_shows_the_coming_rules(r, titles):
    r.command("ID_AUTO_TRADE_RULES")
    facts = wait_dialog(r, LIST_TITLE)
    r.check("ID_AUTO_TRADE_RULES opens %s" % LIST_TITLE, bool(facts))
    found = controls(facts)
    r.check("the rule list has its list, 全て削除 and 閉じる",
            found.get(RULE_LIST, ("",))[0] == "SysListView32"
            and found.get(CLEAR_ALL, ("",) * 5)[4] == "全て削除"
            and found.get(IDCANCEL, ("",) * 5)[4] == "閉じる", found)
    rows = rule_rows(r)
    r.check("the ruled announcement shows its symbols, sell only and the link",
            rows.get(titles["ruled"], ())[1:] == ("AUDCAD,AUDJPY,EURUSD", "売", "○"), rows)
    r.check("an announcement without a rule shows an empty rule",
            rows.get(titles["link"], ())[1:] == ("設定無し", "売買", ""), rows)
    r.check("simultaneous announcements share one row",
            rows.get(titles["pair"], ())[1:] == ("設定無し", "売買", "")
            and not any(t.endswith(PAIR_NAMES[1]) for t in rows if t != titles["pair"]), rows)
    r.check("past announcements are not listed", not any(PAST_NAME in t for t in rows), rows)
    order = [rows.get(titles[k], (-1,))[0] for k in ("ruled", "link", "pair")]
    r.check("the rows follow the announcement times", -1 not in order and order == sorted(order),
            order)
    r.screenshot("rules-list")


def no_announcement_inherits_a_left_rule(r):
    ids = indicator_ids(r)
    r.check("no new announcement takes the id of a rule whose announcement has gone",
            len(ids) > 5 and r.left_rule_id not in ids, (r.left_rule_id, ids))
    rows = rule_rows(r)
    r.check("the rule list shows no symbols the user never chose",
            not any(row[1] == LEFT_RULE_SYMBOLS for row in rows.values()), rows)
    r.check("the left rule stays in iaacm.dat", rule_file_line(r, r.left_rule_id) != b"")


def link_double_click_makes_a_rule(r, titles):
    ruled_before = rule_file_line(r, RULED_ID)
    r.probe("lvdblclick", LIST_TITLE, RULE_LIST, str(rule_rows(r)[titles["link"]][0]),
            str(LINK_COLUMN))
    row = wait_row(r, titles["link"], ("設定無し", "売買", "○"))
    r.check("a double-click on IA連携 links the announcement without a rule",
            row and row[1:] == ("設定無し", "売買", "○"), row)
    r.check("the new rule is written to iaacm.dat at once",
            rule_file_line(r, LINK_ID) == rule_line([LINK_ID, 0, 0, 0, 0, 0, 0, 1, 0]),
            r.setting_bytes("iaacm.dat"))
    r.check("the other rules stay in iaacm.dat",
            ruled_before and rule_file_line(r, RULED_ID) == ruled_before)


def editor_ok_stores_the_choice(r, titles):
    facts = open_editor(r, titles["pair"], 0)
    r.check("a double-click elsewhere opens %s" % EDITOR_TITLE, bool(facts))
    found = controls(facts)
    r.check("the editor names the row's first announcement",
            found.get(EDITOR_TARGET, ("",) * 5)[4] == "対象指標\\n" + PAIR_NAMES[0], found)
    r.check("the editor's heading shows an & in a name as itself",
            facts.get("static.%s.noprefix" % EDITOR_TARGET) == ["1"],
            facts.get("static.%s.noprefix" % EDITOR_TARGET))
    rows = list_rows(facts)
    r.check("the editor offers 29 symbols, none ticked",
            [row[3] for row in rows] == SYMBOLS and not any(row[1] for row in rows), rows)
    r.check("the editor starts at 売買", facts.get("cb.%s.sel" % DIRECTION) == ["0"], facts)
    r.screenshot("rule-editor")
    r.probe("lvcheck", EDITOR_TITLE, RULE_LIST, str(USDJPY), "1")
    r.probe("lvcheck", EDITOR_TITLE, RULE_LIST, str(XAUUSD), "1")
    r.probe("cbselect", EDITOR_TITLE, DIRECTION, str(BUY_ONLY))
    r.probe("press", EDITOR_TITLE, IDOK)
    r.check("OK closes the editor", wait_closed(r, EDITOR_TITLE))
    row = wait_row(r, titles["pair"], ("USDJPY,XAUUSD", "買", ""))
    r.check("the row shows the chosen symbols and 買", row and row[1:] == ("USDJPY,XAUUSD", "買", ""),
            row)
    mask = (1 << USDJPY) | (1 << XAUUSD)
    r.check("the chosen rule is written to iaacm.dat under the first announcement",
            rule_file_line(r, PAIR_FIRST_ID) == rule_line([PAIR_FIRST_ID, mask, 0, 0, 0, BUY_ONLY,
                                                           0, 0, 0])
            and rule_file_line(r, PAIR_SECOND_ID) == b"", r.setting_bytes("iaacm.dat"))


def editor_cancel_changes_nothing(r, titles):
    before = r.setting_bytes("iaacm.dat")
    facts = open_editor(r, titles["pair"], 1)
    ticked = [row[0] for row in list_rows(facts) if row[1]]
    r.check("the editor starts from the stored rule",
            ticked == [USDJPY, XAUUSD] and facts.get("cb.%s.sel" % DIRECTION) == [str(BUY_ONLY)],
            (ticked, facts.get("cb.%s.sel" % DIRECTION)))
    r.probe("lvcheck", EDITOR_TITLE, RULE_LIST, str(USDJPY), "0")
    r.probe("cbselect", EDITOR_TITLE, DIRECTION, "0")
    r.probe("press", EDITOR_TITLE, IDCANCEL)
    r.check("Cancel closes the editor", wait_closed(r, EDITOR_TITLE))
    time.sleep(1)
    row = rule_rows(r).get(titles["pair"])
    r.check("Cancel keeps the row", row and row[1:] == ("USDJPY,XAUUSD", "買", ""), row)
    r.check("Cancel keeps iaacm.dat", r.setting_bytes("iaacm.dat") == before)


def clear_all_keeps_the_links(r, titles):
    r.probe("press", LIST_TITLE, CLEAR_ALL)
    row = wait_row(r, titles["ruled"], ("設定無し", "売買", "○"))
    r.check("全て削除 resets symbols and direction but keeps ○",
            row and row[1:] == ("設定無し", "売買", "○"), row)
    rows = rule_rows(r)
    r.check("全て削除 empties every listed rule",
            rows.get(titles["link"], ())[1:] == ("設定無し", "売買", "○")
            and rows.get(titles["pair"], ())[1:] == ("設定無し", "売買", ""), rows)
    r.check("全て削除 is written to iaacm.dat",
            rule_file_line(r, RULED_ID) == rule_line([RULED_ID, 0, 0, 0, 0, 0, 0, 1, 0])
            and rule_file_line(r, PAIR_FIRST_ID) == rule_line([PAIR_FIRST_ID] + [0] * 8),
            r.setting_bytes("iaacm.dat"))
    r.screenshot("rules-cleared")


def ruled_announcement_edited_back(r, titles):
    # The later modules find the harness's rule as it was at the start.
    symbols = [i for i in range(len(SYMBOLS)) if RULED_MASK & (1 << i)]
    r.check("the editor closes after OK", edit_rule(r, titles["ruled"], symbols, RULED_DIRECTION))
    row = wait_row(r, titles["ruled"], ("AUDCAD,AUDJPY,EURUSD", "売", "○"))
    r.check("the ruled announcement is set again through the editor",
            row and row[1:] == ("AUDCAD,AUDJPY,EURUSD", "売", "○"), row)
    r.check("its line in iaacm.dat is the first one again",
            rule_file_line(r, RULED_ID) == rule_line([RULED_ID, RULED_MASK, 0, 0, 0,
                                                      RULED_DIRECTION, 0, 1, 0]),
            r.setting_bytes("iaacm.dat"))


def developer_command(r):
    rules_before = r.setting_bytes("iaacm.dat").count(b"\r\n")
    r.command("ID_DEVELOPER_TEST")
    facts = wait_dialog(r, TEST_TITLE)
    r.check("ID_DEVELOPER_TEST opens the digest dialog", bool(facts))
    texts = [line.split("|", 5)[-1] for line in facts.get("control", [])]
    r.check("the digest dialog has its three labelled fields, OK and Cancel",
            all(t in texts for t in ("file(ex4)", "source(digest.txt)", "dll", "OK")), texts)
    r.screenshot("developer-digest")
    added_early = "テスト指標".encode("cp932") in r.setting_bytes("iaindex2.dat")
    r.probe("press", TEST_TITLE, IDCANCEL)
    r.check("the digest dialog closes", wait_closed(r, TEST_TITLE))
    added = r.wait_for(lambda: "テスト指標".encode("cp932") in r.setting_bytes("iaindex2.dat"), 20)
    r.check("the test announcement is added after the dialog closes", added and not added_early)
    # The rules are saved after the announcements.
    linked = r.wait_for(lambda: r.setting_bytes("iaacm.dat").count(b"\r\n") == rules_before + 1, 10)
    r.check("the test announcement gets a linked rule", linked, r.setting_bytes("iaacm.dat"))


def run(r):
    sample = "米・失業率".encode("cp932")
    # The list is built from the store as it stands: let the first feed merge come first.
    r.wait_for(lambda: sample in r.setting_bytes("iaindex2.dat"), 60)
    titles = {"ruled": row_title(r.ruled_time, ["E2E確認指標"]),
              "link": row_title(r.link_time, [LINK_NAME]),
              "pair": row_title(r.pair_time, PAIR_NAMES)}
    try:
        list_shows_the_coming_rules(r, titles)
        no_announcement_inherits_a_left_rule(r)
        link_double_click_makes_a_rule(r, titles)
        editor_ok_stores_the_choice(r, titles)
        editor_cancel_changes_nothing(r, titles)
        clear_all_keeps_the_links(r, titles)
        ruled_announcement_edited_back(r, titles)
    finally:
        if dialog_facts(r, EDITOR_TITLE):
            r.probe("press", EDITOR_TITLE, IDCANCEL)
            wait_closed(r, EDITOR_TITLE)
        r.probe("press", LIST_TITLE, IDCANCEL)
        r.check("閉じる closes the rule list", wait_closed(r, LIST_TITLE))
    developer_command(r)
