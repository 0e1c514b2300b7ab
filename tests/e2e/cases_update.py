"""The signed update: a release one number newer than the running program (the same build with
one changed file) published on the sample server, offered by the panel and installed by
system\\pelimorupdater.exe; releases signed with another key, with a file whose bytes differ from
its digest, or with a path containing ".." refused with the program unchanged; and a swap
interrupted half way (the state a killed updater leaves) rolled back by the panel's start, or
ended and completed by the next updater; and tools/release.sh refusing the repository's test key
without --demo.
Runs last: it restarts the panel several times and leaves a fresh one for the quit test."""
import hashlib
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.getcwd(), "tools", "lib"))
import publish_update  # noqa: E402

from cryptography.hazmat.primitives.asymmetric import ec  # noqa: E402
from cryptography.hazmat.primitives import serialization  # noqa: E402

IDOK, IDYES, IDNO = 1, 6, 7
OFFER = "最新バージョンのプログラムが利用可能です。"
KEPT = "プログラムは元のままです。"
TEST_KEY = os.path.join("tools", "keys", "test-only-update-key.pem")
CHANGED = "system/qz.css"  # a file the panel reads, replaced by every release here
UPDATER = "system/pelimorupdater.exe"
SENTINEL = "e2e-user-data.dat"


def own_version(r):
    with open(os.path.join(r.build, "CMakeCache.txt")) as f:
        for line in f:
            if line.startswith("PELIMOR_PROGRAM_VERSION:"):
                return int(line.split("=", 1)[1])
    return 3100


def websys(r):
    return os.path.join(r.WORK, "server", "sv_pelimor", "websys")


def program_files(r):
    """The installed program (what a release may change): every file but the user's data and
    the panel's and updater's own run-time files."""
    files = {}
    for path in publish_update.program_files(r.PROGRAM):
        if path.startswith("system/") and (path.startswith("system/update.") or
                                           path.startswith("system/iaweb") or
                                           path == "system/ialweb.dat"):
            continue
        with open(os.path.join(r.PROGRAM, path), "rb") as f:
            files[path] = hashlib.sha256(f.read()).hexdigest()
    return files


def setting_files(r):
    """The user's data; the panel's download scratch files (iaweb*.dat) come and go."""
    found = {}
    for name in sorted(n for n in os.listdir(r.SETTING) if not n.startswith("iaweb")):
        with open(os.path.join(r.SETTING, name), "rb") as f:
            found[name] = f.read()
    return found


def release_source(r, version, changed_bytes, new_updater=False):
    """A copy of the installed program with the changed file's new bytes and, when asked, an
    updater program of other bytes (data after the end of a program file leave it runnable)."""
    source = os.path.join(r.WORK, "release-%d" % version)
    shutil.rmtree(source, ignore_errors=True)
    shutil.copytree(r.PROGRAM, source, ignore=shutil.ignore_patterns("setting", "update.*", "iaweb*",
                                                                      "ialweb.dat"))
    with open(os.path.join(source, *CHANGED.split("/")), "ab") as f:
        f.write(changed_bytes)
    if new_updater:
        with open(os.path.join(source, *UPDATER.split("/")), "ab") as f:
            f.write(b"\0release %d\0" % version)
    return source


def read(folder, path):
    with open(os.path.join(folder, *path.split("/")), "rb") as f:
        return f.read()


def publish(r, version, changed_bytes, new_updater=False):
    source = release_source(r, version, changed_bytes, new_updater)
    publish_update.publish(source, version, TEST_KEY, websys(r))
    return source


def release_file(r, version, path):
    return os.path.join(websys(r), "prims", "update", str(version), *path.split("/"))


def window_texts(r):
    return r.probe("windows").get("window", [])


def wait_window(r, text, seconds):
    return r.wait_for(lambda: any(text in w for w in window_texts(r)), seconds)


def answer(r, text, button):
    r.probe("answer", text, str(button))


def log_text(r):
    try:
        with open(os.path.join(r.PROGRAM, "system", "update.log"), "rb") as f:
            return f.read().decode("ascii", errors="replace")
    except OSError:
        return ""


def panel_back(r):
    """The panel started again: it offers the release still on the server (same build); No."""
    offered = wait_window(r, OFFER, 90)
    if offered:
        answer(r, OFFER, IDNO)
    visible = r.wait_for(lambda: r.panel_facts().get("panel.visible") == "1", 60)
    return offered and visible


def accept_offer(r):
    r.command("ID_CHECK_UPDATE")
    offered = wait_window(r, OFFER, 60)
    r.screenshot("update-offer")
    answer(r, OFFER, IDYES)
    return offered


# Where the panel is moved before it accepts an update: the process then ends at once, and the
# position it had must be the one stored.
MOVED_PANEL = (300, 120)


def stored_position(r):
    settings = r.setting_bytes("iasetting.dat").split(b"\r\n")[0].split(b"\x07")
    return tuple(int(v, 16) for v in settings[:2]) if len(settings) > 2 else None


def updated_at(r):
    settings = r.setting_bytes("iasetting.dat").split(b"\r\n")[0].split(b"\x07")
    return int(settings[7], 16) if len(settings) > 7 else 0


def test_update(r, version):
    with open(os.path.join(r.SETTING, SENTINEL), "wb") as f:
        f.write(os.urandom(256))
    source = publish(r, version, b"\n/* release %d */\n" % version, new_updater=True)
    log_before = len(log_text(r))
    r.probe("move", *(str(v) for v in MOVED_PANEL))
    moved = r.wait_for(lambda: (r.panel_facts().get("panel.left"), r.panel_facts().get("panel.top"))
                       == tuple(str(v) for v in MOVED_PANEL), 10)
    r.check("the panel offers the newer release", accept_offer(r))
    # The old panel ends at once on Yes; the settings it saved are the user's data to keep.
    r.wait_for(lambda: r.panel_facts().get("panel.found") != "1", 30)
    r.check("Yes to the update stores where the panel was", moved and
            stored_position(r) == MOVED_PANEL, (moved, stored_position(r)))
    before = setting_files(r)
    end = time.time() + 120
    while "updated to release" not in log_text(r)[log_before:] and time.time() < end:
        time.sleep(0.05)
    after = setting_files(r)
    r.screenshot("update-done")
    r.check("the updater installs the release", "updated to release %d" % version in log_text(r),
            log_text(r)[-800:])
    r.check("the changed file is replaced", read(r.PROGRAM, CHANGED) == read(source, CHANGED))
    r.check("the running updater replaces its own program",
            read(r.PROGRAM, UPDATER) == read(source, UPDATER))
    r.check("setting\\ is left byte-identical", before == after and SENTINEL in after,
            sorted(set(before) ^ set(after)))
    r.check("the panel comes back after the update", panel_back(r))
    r.check("the panel was started with byupdater (m_updatedAt set)",
            r.wait_for(lambda: updated_at(r) != 0, 30), r.setting_bytes("iasetting.dat")[:120])
    r.check("the update leaves no work files",
            not any(os.path.exists(os.path.join(r.PROGRAM, "system", name))
                    for name in ("update.new", "update.journal")))


def other_key_signature(manifest):
    other = ec.generate_private_key(ec.SECP256R1())
    path = os.path.join(os.getcwd(), "build", "e2e-other-key.pem")
    with open(path, "wb") as f:
        f.write(other.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.PKCS8,
                                    serialization.NoEncryption()))
    try:
        return publish_update.sign(manifest, path)
    finally:
        os.remove(path)


def tamper_other_key(r, version):
    with open(release_file(r, version, "manifest.txt"), "rb") as f:
        manifest = f.read()
    with open(release_file(r, version, "manifest.sig"), "wb") as f:
        f.write(other_key_signature(manifest))


def tamper_file_bytes(r, version):
    with open(release_file(r, version, "files/" + CHANGED), "ab") as f:
        f.write(b"/* not what the manifest says */")


def tamper_dot_dot(r, version):
    path = release_file(r, version, "manifest.txt")
    with open(path, "rb") as f:
        manifest = f.read()
    manifest += b"%s 4 ..\\evil.txt\n" % hashlib.sha256(b"evil").hexdigest().encode()
    with open(path, "wb") as f:
        f.write(manifest)
    with open(release_file(r, version, "manifest.sig"), "wb") as f:
        f.write(publish_update.sign(manifest, TEST_KEY))


def test_refusal(r, version, name, tamper, message):
    publish(r, version, b"\n/* refused %s */\n" % name.encode())
    tamper(r, version)
    before = program_files(r)
    settings_before = setting_files(r)
    accept_offer(r)
    shown = wait_window(r, message, 120)
    r.screenshot("update-refused-" + name)
    r.check("a release with %s is refused with one message" % name, shown, window_texts(r))
    answer(r, KEPT, IDOK)
    r.check("after refusing %s the panel is started again" % name, panel_back(r))
    r.check("a refused release (%s) leaves the program unchanged" % name, program_files(r) == before)
    # The panel goes on saving its files and adds download scratch files; the user's own file
    # and every file there was must still be there, the user's byte for byte.
    settings_after = setting_files(r)
    r.check("a refused release (%s) leaves setting\\ alone" % name,
            set(settings_before) <= set(settings_after) and
            settings_after.get(SENTINEL) == settings_before[SENTINEL],
            sorted(set(settings_before) ^ set(settings_after)))
    r.check("a refused release (%s) writes nothing outside the program" % name,
            not os.path.exists(os.path.join(os.path.dirname(r.PROGRAM), "evil.txt")))


def panel_process_running(r):
    """A Pelimor.exe of this run's program folder still runs (Wine shows its Windows path)."""
    program = ("z:" + os.path.join(r.PROGRAM, "Pelimor.exe").replace("/", "\\")).lower()
    for entry in os.listdir("/proc"):
        try:
            with open(os.path.join("/proc", entry, "cmdline"), "rb") as f:
                if program in f.read().decode("utf-8", errors="replace").lower():
                    return True
        except OSError:
            continue
    return False


def quit_panel(r):
    """The panel's window goes first; its process, and with it the single-instance mutex that a
    new panel would trip over, a moment later."""
    r.command("ID_EXIT")
    closed = r.wait_for(lambda: r.panel_facts().get("panel.found") != "1", 30)
    ended = r.wait_for(lambda: not panel_process_running(r), 30)
    time.sleep(1)
    return closed and ended


def leave_swap_half_done(r, source):
    """What an updater killed half way through the swap leaves: the journal is written, the
    changed file's old bytes are copied to update.old and the new file has been moved in, but the
    journal was not committed."""
    local = CHANGED.replace("/", os.sep)
    system = os.path.join(r.PROGRAM, "system")
    os.makedirs(os.path.dirname(os.path.join(system, "update.old", local)), exist_ok=True)
    shutil.copyfile(os.path.join(r.PROGRAM, local), os.path.join(system, "update.old", local))
    shutil.copyfile(os.path.join(source, local), os.path.join(r.PROGRAM, local))
    with open(os.path.join(system, "update.journal"), "wb") as f:
        f.write(b"swapping\nR %s\n" % CHANGED.replace("/", "\\").encode())


def test_panel_ends_interrupted_swap(r, version):
    source = publish(r, version, b"\n/* release %d, swap interrupted */\n" % version)
    installed = read(r.PROGRAM, CHANGED)
    r.check("the panel quits before the swap", quit_panel(r))
    leave_swap_half_done(r, source)
    r.start_program("panel-after-kill")
    r.check("a panel started after a killed swap comes up", panel_back(r))
    r.check("the panel rolls the interrupted swap back to the complete old program",
            read(r.PROGRAM, CHANGED) == installed and
            not os.path.exists(os.path.join(r.PROGRAM, "system", "update.journal")) and
            "the panel rolled back the previous swap" in log_text(r), log_text(r)[-400:])


def test_interrupted_swap(r, version):
    source = publish(r, version, b"\n/* release %d, after an interrupted swap */\n" % version)
    r.check("the panel quits before the swap", quit_panel(r))
    leave_swap_half_done(r, source)
    system = os.path.join(r.PROGRAM, "system")
    log_before = len(log_text(r))
    r.start(["wine", os.path.join(system, "pelimorupdater.exe"), "S0"],
            os.path.join(r.WORK, "updater-after-kill.log"))
    done = r.wait_for(lambda: "updated to release %d" % version in log_text(r)[log_before:], 120)
    r.check("the next updater ends the interrupted swap and completes the update",
            done and "rolled back the previous swap" in log_text(r)[log_before:], log_text(r)[-800:])
    r.check("the interrupted release is installed", read(r.PROGRAM, CHANGED) == read(source, CHANGED))
    r.check("the panel comes back after the completed update", panel_back(r))


def leave_a_fresh_panel(r, version):
    """The quit test that follows needs a panel of its own and no offer at its start."""
    with open(os.path.join(websys(r), "prims", "version.dat"), "wb") as f:
        f.write(b"%d\n" % version)
    quit_panel(r)
    r.panel = r.start_program("panel-after-update")
    r.wait_for(lambda: r.panel_facts().get("panel.visible") == "1", 90)


def test_release_script_refuses_the_test_key(r, version):
    """tools/release.sh signs no release with the repository's test key (its private half is
    public) unless a demonstration is asked for with --demo; it refuses before building."""
    out = os.path.join(r.WORK, "release-with-test-key")
    # Compiled expert advisors are given, so that the key is the one thing refused.
    compiled = os.path.join(r.WORK, "compiled-eas")
    os.makedirs(compiled, exist_ok=True)
    for name in ("QZEA.ex4", "QZEA_TT.ex4", "QZGI.ex4"):
        with open(os.path.join(compiled, name), "wb") as f:
            f.write(b"compiled by MetaEditor " + name.encode())
    done = subprocess.run(["bash", "tools/release.sh", "--version", str(version), "--key",
                           TEST_KEY, "--out", out, "--ea-binaries", compiled],
                          capture_output=True, text=True, timeout=300)
    r.check("release.sh refuses the test key without --demo",
            done.returncode == 1 and "test-only-update-key" in done.stderr,
            "exit %d: %s" % (done.returncode, done.stderr[-300:]))
    made = [path for path in (out, os.path.join("dist", "Pelimor-%d.zip" % version))
            if os.path.exists(path)]
    r.check("a refused release writes nothing", not made, made)


def run(r):
    version = own_version(r)
    test_release_script_refuses_the_test_key(r, version + 90)
    test_update(r, version + 1)
    test_refusal(r, version + 2, "another key's signature", tamper_other_key, "署名が正しくない")
    test_refusal(r, version + 2, "a file unlike its digest", tamper_file_bytes, "壊れている")
    test_refusal(r, version + 2, "a path with ..", tamper_dot_dot, "内容が正しくない")
    test_panel_ends_interrupted_swap(r, version + 3)
    test_interrupted_swap(r, version + 4)
    leave_a_fresh_panel(r, version)
