"""The expert advisors' library as MetaTrader 4 uses it: qzea_probe.exe, a 32-bit program, loads
the installed qzea.dll by its path and calls its functions by their plain names. With no panel
running the mailbox reads 0; windows of the probe's own, titled as the panel's, carry a time past
2^31 that must be read unsigned; the live panel's mailbox reads exactly as the panel publishes it,
also after a rule is changed through the rule dialogs; the decisions through the library give the
orders the unit tests (tests/ea) expect; and the setup keeps a differing file as ".old"."""
import os
import subprocess
import time

import cases_mt4 as mt4
import cases_rules as rules
from e2e import RULED_DIRECTION, RULED_MASK

TERMINAL = ("ea", "terminal")
TRADERS_QZEA = b"a trader's own QZEA.ex4, not the shipped one"
USDJPY_BIT = 25
PAST_2038 = (1 << 31) + 4000
# The orders of the unit tests' markets (tests/ea), as the probe prints them.
SELL_STOP = "1,5,0,0.01,1.09800,1.10000,1.09400"
TIMED_BUY = "1,0,0,0.01,150.01000,149.81000,150.41000"
COPIED_BUY = "1,0,0,0.05,1.10010,1.09500,1.11000"


def wine_path(path):
    return "Z:" + path.replace("/", "\\")


def library(r):
    return wine_path(os.path.join(r.PROGRAM, "qzea.dll"))


def qzea(r, *arguments):
    """What qzea_probe.exe prints: key -> [values]."""
    path = os.path.join(r.WORK, "qzea_probe.txt")
    with open(path, "wb") as out:
        subprocess.run(["wine", os.path.join(r.build, "qzea", "qzea_probe.exe")] + list(arguments),
                       stdout=out, stderr=subprocess.DEVNULL, timeout=60)
    values = {}
    with open(path, "rb") as f:
        for line in f.read().decode("ascii", errors="replace").splitlines():
            key, _, value = line.partition("=")
            values.setdefault(key, []).append(value)
    return values


def first(values, key):
    return values.get(key, [""])[0]


def mailbox(r):
    values = qzea(r, "mailbox", library(r))
    return tuple(first(values, k) for k in ("found", "time", "mask", "direction"))


def wait_mailbox(r, expected):
    """What the mailbox reads once it reads as expected, or after 20 s."""
    def reads():
        values = mailbox(r)
        return values if values == expected else None
    return r.wait_for(reads, 20) or mailbox(r)


def terminal(r, *parts):
    return os.path.join(r.WORK, *TERMINAL, *parts)


# --- before the panel ---------------------------------------------------------------------------
def before_start(r):
    mt4.make_folders(terminal(r), ["MQL4/experts", "MQL4/libraries"])
    with open(terminal(r, "MQL4", "experts", "QZEA.ex4"), "wb") as f:
        f.write(TRADERS_QZEA)
    with open(terminal(r, "MQL4", "experts", "QZEA_TT.ex4"), "wb") as f:
        f.write(mt4.read(os.path.join(r.PROGRAM, "QZEA_TT.ex4")))


def before_panel(r):
    r.check("the probe that loads qzea.dll is a 32-bit program",
            first(qzea(r, "bits"), "bits") == "32")
    values = qzea(r, "mailbox", library(r))
    r.check("the installed qzea.dll loads into a 32-bit program", first(values, "loaded") == "1",
            values)
    r.check("with no panel running QzReadMailbox returns 0 and zeros",
            mailbox(r) == ("0", "0", "0", "0"), mailbox(r))
    values = qzea(r, "fake-mailbox", library(r), str(PAST_2038), str(1 << USDJPY_BIT), "1")
    read = tuple(first(values, k) for k in ("found", "time", "mask", "direction"))
    r.check("a mailbox time past 2^31 is read unsigned, exactly",
            read == ("1", str(PAST_2038), str(1 << USDJPY_BIT), "1"), read)


# --- on the running panel -----------------------------------------------------------------------
def live_mailbox_and_straddle(r):
    expected = ("1", str(r.ruled_time), str(RULED_MASK), "2")
    shown = wait_mailbox(r, expected)
    r.check("qzea.dll reads the live panel's mailbox exactly", shown == expected, shown)
    values = qzea(r, "straddle", library(r), "EURUSD.m", str(r.ruled_time - 10))
    r.check("QzStraddle places the sell-stop of a sell-only rule at the lead time",
            values.get("command") == [SELL_STOP] and
            first(values, "remembered") == str(r.ruled_time), values)
    values = qzea(r, "straddle", library(r), "GBPUSD.m", str(r.ruled_time - 10))
    r.check("QzStraddle places nothing on a symbol the rule leaves out",
            first(values, "count") == "0", values)


def edit_ruled(r, symbols, direction):
    r.command("ID_AUTO_TRADE_RULES")
    opened = bool(rules.wait_dialog(r, rules.LIST_TITLE))
    title = rules.row_title(r.ruled_time, ["E2E確認指標"])
    edited = opened and rules.edit_rule(r, title, symbols, direction)
    r.probe("press", rules.LIST_TITLE, rules.IDCANCEL)
    return edited and rules.wait_closed(r, rules.LIST_TITLE)


def rule_through_the_dialogs(r):
    # The rule list shows the store as it stands: let the first feed merge come first.
    r.wait_for(lambda: "米・失業率".encode("cp932") in r.setting_bytes("iaindex2.dat"), 60)
    r.check("the ruled announcement is set to USDJPY, buy only, through the dialogs",
            edit_ruled(r, [USDJPY_BIT], 2))
    expected = ("1", str(r.ruled_time), str(1 << USDJPY_BIT), "1")
    shown = wait_mailbox(r, expected)
    r.check("qzea.dll reads the rule made through the dialogs", shown == expected, shown)
    values = qzea(r, "timed", library(r), "USDJPY.m", str(r.ruled_time))
    r.check("QzTimedEntry buys at the announcement time", values.get("command") == [TIMED_BUY],
            values)
    values = qzea(r, "timed", library(r), "USDJPY.m", str(r.ruled_time - 1))
    r.check("QzTimedEntry opens nothing before the time", first(values, "count") == "0", values)

    symbols = [i for i in range(30) if RULED_MASK & (1 << i)]
    r.check("the ruled announcement is set back through the dialogs",
            edit_ruled(r, symbols, RULED_DIRECTION))
    expected = ("1", str(r.ruled_time), str(RULED_MASK), "2")
    shown = wait_mailbox(r, expected)
    r.check("the mailbox carries the harness's rule again", shown == expected, shown)


def signal_copy(r):
    now = int(time.time())
    folder = os.path.join(r.WORK, "ea", "copy")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "QZGCOPY.csv")
    # As the panel writes it: symbol, time, kind, side, price, stop, limit, lots, time as text.
    lines = ["GBPUSD,%d,N,S,1.30000,0,0,0.05,2025.12.06 14:00:00" % (now - 40),
             "EURUSD,%d,N,B,1.10010,1.09500,1.11000,0.05,2025.12.06 14:00:10" % (now - 30),
             "a line the advisor cannot read"]
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp932"))
    values = qzea(r, "copy", library(r), wine_path(path), "EURUSDpro", str(now))
    r.check("QzSignalCopy copies the chart symbol's new signal from QZGCOPY.csv",
            values.get("command") == [COPIED_BUY] and first(values, "remembered") == str(now - 30),
            values)


def setup_keeps_the_old(r):
    mt4.open_by_command(r, "ID_EA_SETUP", mt4.EA_TITLE)
    before = mt4.text_of(mt4.dialog(r, mt4.EA_TITLE), mt4.FOLDER_EDITS[0])
    r.probe("settext", mt4.EA_TITLE, mt4.FOLDER_EDITS[0], mt4.wine_folder(terminal(r)))
    r.probe("press", mt4.EA_TITLE, mt4.SETUP)
    r.check("the setup's notices are answered",
            mt4.answer_box(r, mt4.VERIFIED) and mt4.answer_box(r, mt4.INSTALLED))
    status = mt4.text_of(mt4.dialog(r, mt4.EA_TITLE), mt4.STATUS_LINES[0])
    experts = terminal(r, "MQL4", "experts")
    r.check("the setup installs the shipped files", status == mt4.EA_CORRECT and
            mt4.read(os.path.join(experts, "QZEA.ex4")) ==
            mt4.read(os.path.join(r.PROGRAM, "QZEA.ex4")), status)
    r.check("the trader's differing QZEA.ex4 is kept as QZEA.ex4.old",
            mt4.read(os.path.join(experts, "QZEA.ex4.old")) == TRADERS_QZEA)
    r.check("an equal or a missing file gets no .old",
            not os.path.exists(os.path.join(experts, "QZEA_TT.ex4.old")) and
            not os.path.exists(terminal(r, "MQL4", "libraries", "qzea.dll.old")))
    r.probe("settext", mt4.EA_TITLE, mt4.FOLDER_EDITS[0], before)
    r.probe("press", mt4.EA_TITLE, mt4.IDCANCEL)
    r.check("the setup closes with its first folder as it was",
            mt4.wait_until_closed(r, mt4.EA_TITLE))


def run(r):
    live_mailbox_and_straddle(r)
    rule_through_the_dialogs(r)
    signal_copy(r)
    setup_keeps_the_old(r)
