"""The panel fed by pelimor-publish: the sample sources are published over the sample server's
files, the panel is started again (it fetches every feed at start) and must store the published
announcements, news and notices. Runs last: it replaces the server's files and the panel."""
import os
import subprocess
import time

PUBLISHER = os.environ.get("PELIMOR_PUBLISH", os.path.join("build", "native", "pelimor-publish"))
SOURCES = os.path.join("tools", "sample_sources")


def publish(r, now):
    sources = os.path.join(r.WORK, "publish-sources")
    subprocess.run(["python3", os.path.join(SOURCES, "make_sources.py"), sources, "--now", str(now)],
                   check=True)
    served = os.path.join(r.WORK, "server", "sv_pelimor", "websys")
    command = [PUBLISHER, "--out", served,
               "--calendar", os.path.join(sources, "calendar.ics"),
               "--calendar", os.path.join(sources, "calendar.csv"),
               "--calendar", os.path.join(sources, "calendar.json"),
               "--news", os.path.join(sources, "news.rss"), "--news", os.path.join(sources, "news.atom"),
               "--notices", os.path.join(SOURCES, "notices"),
               "--signals", os.path.join(sources, "signals.csv"),
               "--traders", os.path.join(SOURCES, "traders.csv"),
               "--messages", os.path.join(sources, "messages.csv")]
    with open(os.path.join(r.WORK, "publish.log"), "wb") as log:
        return subprocess.run(command, stdout=log, stderr=subprocess.STDOUT).returncode == 0


def restart_panel(r):
    r.command("ID_EXIT")
    try:
        r.panel.wait(30)
    except subprocess.TimeoutExpired:
        return False
    r.panel = r.start_program("published")
    return bool(r.wait_for(lambda: r.panel_facts().get("panel.visible") == "1", 90))


def stored_times(r, name):
    """The announcement times stored for a name (CP932 bytes) in iaindex2.dat."""
    times = []
    for line in r.setting_bytes("iaindex2.dat").split(b"\r\n"):
        fields = line.split(b"\x07")
        if len(fields) > 2 and fields[1] == name:
            times.append(int(fields[0], 16))
    return times


def run(r):
    now = int(time.time())
    r.check("pelimor-publish publishes the sample sources", os.path.exists(PUBLISHER) and publish(r, now),
            PUBLISHER)
    r.check("the panel starts again on the published files", restart_panel(r))
    # The first announcement due soon: New York time in the source, three minutes after the next
    # minute; the panel must store that instant.
    adp = "ADP Non-Farm Employment Change".encode("cp932")
    due = (now // 60 + 1) * 60 + 3 * 60
    stored = r.wait_for(lambda: stored_times(r, adp), 60)
    r.check("the panel stores a published announcement at its instant", stored == [due], stored)
    csv_name = "スウェーデン・消費者物価指数".encode("cp932")
    r.check("the panel stores an announcement of the CSV calendar", bool(stored_times(r, csv_name)))
    r.check("the panel stores an announcement of the JSON calendar",
            bool(stored_times(r, b"Core PPI m/m")))
    news = [t.encode("cp932") for t in ("Dollar steadies ahead of payrolls", "ドル円、151円台で小動き")]
    fetched = r.wait_for(lambda: all(t in r.setting_bytes("iasnews.dat") for t in news), 60)
    r.check("the panel stores the published RSS and Atom news", fetched, r.setting_bytes("iasnews.dat")[:200])
    r.check("no published news body carries a script", b"<script" not in r.setting_bytes("iasnews.dat"))
    notice = "サーバーメンテナンスのお知らせ".encode("cp932")
    r.check("the panel stores the published notices",
            r.wait_for(lambda: notice in r.setting_bytes("ianews.dat"), 60),
            r.setting_bytes("ianews.dat")[:200])
    r.screenshot("published")
