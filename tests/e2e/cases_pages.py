"""The panel's pages as a user works them: the notification icon, tab and fold clicks, news
paging, notice navigation with the read marks kept in ianews.dat, and the HTML pane's page file,
also for a trader's name and message that hold markup. Runs first, while the fetched notices are
still unread."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tools", "sample_server"))
import make_server_files as sample  # noqa: E402
import resource_ids  # noqa: E402

UM_TRAY_NOTIFY = resource_ids.fixed_message("UM_TRAY_NOTIFY")
WM_LBUTTONDBLCLK = 0x203

# Client points inside the panel's buttons (their pictures' top-left corners plus a little).
TAB_INDICATORS = (14, 50)
TAB_NEWS = (71, 50)
TAB_NOTICES = (129, 50)
FOLD = (226, 281)
UNFOLD = (226, 93)
NEWS_NEXT = (197, 430)
NEWS_PREVIOUS = (20, 430)
NOTICE_NEXT = (197, 300)
NOTICE_PREVIOUS = (20, 300)

PAGE_HEAD = ('<html><head>'
             '<meta http-equiv="X-UA-Compatible" content="IE=11">'
             '<meta http-equiv="Content-Style-Type" content="text/css">'
             '<link rel="stylesheet" type="text/css" href="qz.css">'
             '<meta http-equiv="Content-Type" content="text/html; charset=Shift-JIS" /></head>'
             '<body style="font-size: 9pt; color: white; '
             'background-image: url(../system/htmlbg.png); background-repeat: repeat; '
             'line-height: 160%; ')


def expected_page(body):
    margins = ("margin: 0px; overflow-x: hidden; overflow-y: hidden; " if "youtube" in body
               else "margin: 4px; ")
    text = ("<!-- saved from url=(0014)about:internet -->\n" + PAGE_HEAD + margins + '">' + body +
            "</body></html>")
    return text.replace("\n", "\r\n").encode("cp932")


def page_file(r):
    try:
        with open(os.path.join(r.PROGRAM, "system", "ialweb.dat"), "rb") as f:
            return f.read()
    except OSError:
        return b""


def shown_body(r, bodies):
    """Which of the bodies the page file holds, byte for byte in its frame, or None."""
    content = page_file(r)
    for body in bodies:
        if content == expected_page(body):
            return body
    return None


def click(r, point, settle=1.5):
    r.probe("click", str(point[0]), str(point[1]))
    time.sleep(settle)


def click_to_body(r, point, bodies, before):
    """Clicks and gives the body the page file then holds: another than before as soon as it
    is written, or before itself if nothing changed within a few seconds."""
    click(r, point, settle=0.5)

    def changed():
        shown = shown_body(r, bodies)
        return shown if shown != before else None

    return r.wait_for(changed, 5) or shown_body(r, bodies)


def double_click_tray(r, shown):
    """Double-clicks the tray icon; true once the panel is shown (or hidden) as asked."""
    r.probe("post", str(UM_TRAY_NOTIFY), "0", str(WM_LBUTTONDBLCLK))
    visible = "1" if shown else "0"
    return r.wait_for(lambda: r.panel_facts().get("panel.visible") == visible, 10)


def tray(r):
    registered = r.wait_for(lambda: r.probe("tray").get("tray.registered") == ["1"], 20)
    r.check("the notification icon is registered", registered)
    hidden = double_click_tray(r, False)
    shown = double_click_tray(r, True)
    r.check("a double click on the icon hides the panel and shows it again", hidden and shown)


def wait_layout(r, height, list_y=None):
    """(True, facts) once the window is the given height with the list at list_y, or (False,
    the last facts) after 10 s."""
    def laid_out():
        facts = r.panel_facts()
        if facts.get("panel.height") != str(height):
            return None
        return facts if list_y is None or facts.get("list.y") == str(list_y) else None

    facts = r.wait_for(laid_out, 10)
    return (True, facts) if facts else (False, r.panel_facts())


def tabs_and_fold(r):
    def page(point, name, height, list_y=None):
        click(r, point)
        ok, facts = wait_layout(r, height, list_y)
        r.check("clicking %s makes the window %d high" % (name, height), ok, facts)

    page(TAB_INDICATORS, "the indicator tab", 534, 294)
    page(FOLD, "the fold button", 342, 104)
    page(UNFOLD, "the unfold button", 534, 294)
    page(TAB_NEWS, "the news tab", 534)


ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "art")
PAGE_BOX_TOP = 424
# The rows just above the page box across the news list: only the page's own background may
# show there, or a news title has run into the box.
NEWS_BAND = (12, PAGE_BOX_TOP - 4, 220, 4)


def band_differs(r, name, band):
    """How many pixels of the band in the screenshot differ from the news page's background."""
    facts = r.panel_facts()
    x, y, width, height = band
    left, top = int(facts.get("panel.left", 0)), int(facts.get("panel.top", 0))
    shot = os.path.join(r.ARTIFACTS, name + ".png")
    result = subprocess.run(
        ["compare", "-metric", "AE", "-fuzz", "8%",
         "%s[%dx%d+%d+%d]" % (shot, width, height, left + x, top + y),
         "%s[%dx%d+%d+%d]" % (os.path.join(ART, "page_news.bmp"), width, height, x, y),
         "null:"], capture_output=True, text=True)
    try:
        return int(float(result.stderr.split()[0]))
    except (IndexError, ValueError):
        return -1


def news_paging(r):
    r.wait_for(lambda: r.setting_bytes("iasnews.dat").count(b"\r\n") >= 11, 60)
    # The feed marks the advert by a trailing "XCF", which the store takes off.
    bodies = [body for _, body in sample.NEWS] + [sample.advert_body()[:-len("XCF")]]
    r.check("the sample feed has eleven news items", len(bodies) == 11)
    first = r.wait_for(lambda: shown_body(r, bodies), 10)
    r.check("the page file holds the selected news item in the page frame", first is not None,
            page_file(r)[:200])
    # A page holds as many items as fit above the page box, five at most: the number of pages
    # depends on the fonts' measures.
    pages = [first]
    crossings = []
    for page in range(len(bodies)):
        name = "page2-news-%d" % (page + 1)
        time.sleep(1)  # the titles are drawn after the page file is written
        r.screenshot(name)
        crossings.append(band_differs(r, name, NEWS_BAND))
        shown = click_to_body(r, NEWS_NEXT, bodies, pages[-1])
        if shown == pages[-1]:
            break
        pages.append(shown)
    back = click_to_body(r, NEWS_PREVIOUS, bodies, pages[-1])
    r.check("next shows the first item of each page, every page another",
            None not in pages and len(set(pages)) == len(pages) and len(pages) >= 3, pages)
    r.check("next stops at the last page", len(pages) < len(bodies))
    r.check("previous goes back a page", len(pages) >= 2 and back == pages[-2])
    r.check("no news title runs into the page box on any page",
            all(count == 0 for count in crossings), crossings)


def notice_flags(r):
    """The notice store's flags words (one per line) in ianews.dat."""
    flags = []
    for line in r.setting_bytes("ianews.dat").split(b"\r\n"):
        fields = line.split(b"\x07")
        if len(fields) >= 5:
            flags.append(int(fields[4], 16))
    return flags


def notices(r):
    bodies = [body for _, body in sample.NOTICES]
    r.wait_for(lambda: len(notice_flags(r)) == len(bodies), 60)
    unread_before = [f & 1 for f in notice_flags(r)]
    r.check("fetched notices are stored unread", unread_before and all(unread_before),
            unread_before)
    newest = click_to_body(r, TAB_NOTICES, bodies, None)
    r.check("the notice tab shows the newest notice", newest == bodies[-1], newest)

    def read_marks():
        marks = [f & 1 for f in notice_flags(r)]
        return marks if marks and not any(marks) else None

    read_after = r.wait_for(read_marks, 5) or [f & 1 for f in notice_flags(r)]
    r.check("showing the notices marks them read in ianews.dat",
            read_after and not any(read_after), read_after)
    older = click_to_body(r, NOTICE_PREVIOUS, bodies, newest)
    again = click_to_body(r, NOTICE_NEXT, bodies, older)
    r.check("previous shows the older notice, next the newer again",
            older == bodies[-2] and again == bodies[-1], [older, again])
    r.screenshot("page3-notices-navigated")


# A trader and a message whose texts hold markup; the panel must show them as text.
HOSTILE_TRADER = (104, '<b onmouseover="x()">悪意</b> & Co')
HOSTILE_MESSAGE = '<script>alert("1")</script><img src=x onerror=alert(1)>'
ESCAPED_LINE = ('\u3000&lt;b onmouseover=&quot;x()&quot;&gt;悪意&lt;/b&gt; &amp; Co：'
                '&lt;script&gt;alert(&quot;1&quot;)&lt;/script&gt;&lt;img src=x onerror=alert(1)&gt;'
                '<br>').encode("cp932")


def poll_files(r):
    websys = os.path.join(r.WORK, "server", "sv_pelimor", "websys")
    return {name: os.path.join(websys, name)
            for name in ("qznhnd_trader.dat", "qznhnd_message.dat", "qznhnd_update.dat")}


def serve_poll_files(r, traders, messages):
    """New trader and message files on the server, with a counter that makes the next poll
    (once a minute) take them."""
    paths = poll_files(r)
    with open(paths["qznhnd_update.dat"], "rb") as f:
        counter = int(f.read().strip() or 0) + 1
    for name, data in (("qznhnd_trader.dat", traders), ("qznhnd_message.dat", messages),
                       ("qznhnd_update.dat", b"%d\n" % counter)):
        with open(paths[name], "wb") as f:
            f.write(data)


def signal_page_markup(r):
    paths = poll_files(r)
    original = {}
    for name in ("qznhnd_trader.dat", "qznhnd_message.dat"):
        with open(paths[name], "rb") as f:
            original[name] = f.read()
    trader = ("%d,%s\n" % HOSTILE_TRADER).encode("cp932")
    message = ("7999,%d,%d,%s\n" % (HOSTILE_TRADER[0], int(time.time()), HOSTILE_MESSAGE)
               ).encode("cp932")
    serve_poll_files(r, original["qznhnd_trader.dat"] + trader,
                     original["qznhnd_message.dat"] + message)
    tries = [0]

    def shown_escaped():
        if tries[0] % 5 == 0:
            r.command("ID_SHOW_SIGNALS")
        tries[0] += 1
        return ESCAPED_LINE in page_file(r)

    shown = r.wait_for(shown_escaped, 150)
    page = page_file(r)
    r.check("a trader's name and message with markup reach the signal page escaped", shown,
            page[-400:])
    r.check("the signal page holds none of their markup",
            shown and b"<script" not in page and b"<img" not in page and b"<b " not in page,
            page[-400:])
    r.screenshot("page4-signals-markup")
    serve_poll_files(r, original["qznhnd_trader.dat"], original["qznhnd_message.dat"])
    r.command("IDB_TAB_NOTICES")


def run(r):
    tray(r)
    tabs_and_fold(r)
    news_paging(r)
    notices(r)
    signal_page_markup(r)
