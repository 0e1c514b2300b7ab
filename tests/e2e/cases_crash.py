"""Crash dumps and the trace file, before the shared panel starts and on a copy of its settings.
Pelimor.exe and the updater are made to crash (the test build's PELIMOR_TEST_CRASH=1, an access
violation at the start; the panel also with PELIMOR_TEST_CRASH=throw, a C++ exception nothing
catches): each leaves a minidump named after the program in the program folder's system folder,
traces one line naming it and ends with the exception's code; the line lands in the program's trace file only
once setting\\trace.on exists. A panel started with the marker then keeps its own trace lines in
the file: under Wine, which has no HTML engine here, that the HTML pane draws plain text. The
dumps, the trace files and the marker are removed afterwards, so the later groups (the update
group compares the program folder's files) see the folder as installed."""
import glob
import os
import shutil
import subprocess

MARKER = "trace.on"
PANEL_TRACE = "Pelimor-trace.txt"
UPDATER_TRACE = "pelimorupdater-trace.txt"
CRASH_LINE = "crash: exception "
ACCESS_VIOLATION = "C0000005"
PLAIN_TEXT_LINE = "HTML pane: the browser control did not load the page"


def system_path(r, name):
    return os.path.join(r.PROGRAM, "system", name)


def dumps(r, program):
    return set(glob.glob(system_path(r, program + "-*.dmp")))


def read_text(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("cp932", errors="replace")
    except OSError:
        return ""


def is_minidump(path):
    with open(path, "rb") as f:
        return f.read(4) == b"MDMP"


def crash(r, program, dump_prefix, name, how):
    """Starts the program with the crash asked for (PELIMOR_TEST_CRASH=how) and waits for its
    end; its exit status (None when it did not end) and the dumps it added."""
    before = dumps(r, dump_prefix)
    process = r.start(["wine", os.path.join(r.PROGRAM, program)],
                      os.path.join(r.WORK, name + ".log"),
                      dict(os.environ, WINEDEBUG="-all,+debugstr", PELIMOR_TEST_CRASH=how))
    try:
        status = process.wait(90)
    except subprocess.TimeoutExpired:
        status = None
    return status, sorted(dumps(r, dump_prefix) - before)


def crash_lines(text):
    return [line for line in text.splitlines() if CRASH_LINE in line]


def exception_code(line):
    """The exception code a crash line names, as 8 hex digits."""
    return line.split(CRASH_LINE, 1)[1][:8]


def check_crash(r, program, dump_prefix, name, trace_file, how="1"):
    """One crash: exactly one new minidump, the trace line naming it (in the debug channel always,
    in the trace file when the marker is there) and the process ended with the code the line
    names (Wine hands on its low byte). An access violation names its own code."""
    marked = os.path.exists(os.path.join(r.SETTING, MARKER))
    status, added = crash(r, program, dump_prefix, name, how)
    label = "%s (%s%s)" % (dump_prefix, "trace file on" if marked else "trace file off",
                           "" if how == "1" else ", an uncaught C++ exception")
    r.check("%s: the crash leaves one minidump in system\\" % label,
            len(added) == 1 and is_minidump(added[0]), added)
    dump_name = os.path.basename(added[0]) if added else "?"
    channel = [line for line in crash_lines(read_text(os.path.join(r.WORK, name + ".log")))
               if dump_name in line]
    r.check("%s: the crash's trace line names the dump" % label, channel, channel)
    code = exception_code(channel[0]) if channel else None
    r.check("%s: the process ends with the exception's code" % label,
            code is not None and status == int(code, 16) & 0xFF, (status, code))
    if how == "1":
        r.check("%s: the fault is named an access violation" % label, code == ACCESS_VIOLATION,
                code)
    in_file = crash_lines(read_text(system_path(r, trace_file)))
    if marked:
        r.check("%s: the trace file holds the crash's line" % label,
                any(dump_name in line for line in in_file), in_file)
    else:
        r.check("%s: without the marker no trace file is written" % label,
                not os.path.exists(system_path(r, trace_file)))


def panel_traces_into_the_file(r):
    """A panel started with the marker keeps its trace lines in the file as it runs."""
    panel = r.start_program("crash-traced-panel")

    def plain_text_lines():
        text = read_text(system_path(r, PANEL_TRACE))
        return [line for line in text.splitlines() if PLAIN_TEXT_LINE in line]

    lines = r.wait_for(plain_text_lines, 60)
    r.check("a running panel writes its trace lines into the trace file", lines,
            read_text(system_path(r, PANEL_TRACE))[-500:])
    r.command("ID_EXIT")
    try:
        panel.wait(60)
    except subprocess.TimeoutExpired:
        pass


def remove_run_time_files(r):
    """The dumps and trace files go, so the later groups see the program folder as installed."""
    for path in (dumps(r, "Pelimor") | dumps(r, "pelimorupdater") |
                 set(glob.glob(system_path(r, "*-trace.txt*")))):
        os.remove(path)


def before_panel(r):
    shared = r.SETTING + ".shared"
    shutil.copytree(r.SETTING, shared)
    marker = os.path.join(r.SETTING, MARKER)
    try:
        check_crash(r, "Pelimor.exe", "Pelimor", "crash-unmarked", PANEL_TRACE)
        with open(marker, "wb"):
            pass
        check_crash(r, "Pelimor.exe", "Pelimor", "crash-marked", PANEL_TRACE)
        check_crash(r, "Pelimor.exe", "Pelimor", "crash-uncaught", PANEL_TRACE, "throw")
        check_crash(r, os.path.join("system", "pelimorupdater.exe"), "pelimorupdater",
                    "crash-updater", UPDATER_TRACE)
        panel_traces_into_the_file(r)
    finally:
        subprocess.run(["wineserver", "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        remove_run_time_files(r)
        shutil.rmtree(r.SETTING, ignore_errors=True)
        os.rename(shared, r.SETTING)
