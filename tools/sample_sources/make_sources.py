#!/usr/bin/env python3
"""Writes sample publisher sources dated around now, for the demo and end-to-end tests.

    make_sources.py DIR [--now SECONDS]

Writes into DIR the sources that change with the date (the committed ones beside this script,
notices/ and traders.csv, do not):

    calendar.ics   an iCalendar export: a week of announcements in the zones of their countries
                   (New York, London, Frankfurt, Sydney, Tokyo; UTC and floating times too),
                   three of them due in the next minutes, one all-day holiday
    calendar.csv   a CSV calendar with a few more announcements
    calendar.json  the weekly JSON export that MetaTrader news tools read: New York times with
                   their offsets, a holiday, an event of every market ("All")
    news.rss       an RSS 2.0 feed, Japanese items
    news.atom      an Atom 1.0 feed, English items
    signals.csv    trade signals, the newest from half a minute ago
    messages.csv   trader messages

Then:  pelimor-publish --out OUT --calendar DIR/calendar.ics --calendar DIR/calendar.csv
           --calendar DIR/calendar.json
           --news DIR/news.rss --news DIR/news.atom --notices tools/sample_sources/notices
           --signals DIR/signals.csv --traders tools/sample_sources/traders.csv
           --messages DIR/messages.csv
"""
import argparse
import csv
import datetime
import email.utils
import json
import pathlib
from xml.sax.saxutils import escape
from zoneinfo import ZoneInfo

UTC = datetime.timezone.utc

# (day from today in the zone, clock time in the zone, zone or "UTC" or None for floating,
#  summary, categories, description)
WEEK = [
    (-2, "08:50", "Asia/Tokyo", "JPY 日・国際収支 経常収支", "Medium", "予想: 2兆4500億円\n前回: 2兆6442億円\n結果: 2兆5012億円"),
    (-2, "08:30", "America/New_York", "USD 米・消費者物価指数(CPI) 前月比", "High", "Forecast: 0.3%\nPrevious: 0.4%\nActual: 0.3%"),
    (-1, "09:30", "Europe/London", "[GBP] 英・消費者物価指数(CPI) 前年比", "High", "Forecast: 3.1%\nPrevious: 3.2%\nActual: 3.0%"),
    (-1, "11:00", "Europe/Berlin", "EUR: 独・ZEW景況感調査", "Medium", "予想: 35.0\n前回: 33.5\n結果: 47.0"),
    (0, "11:30", "Australia/Sydney", "AUD 豪・雇用統計 失業率", "High", "Forecast: 3.8%\nPrevious: 3.7%"),
    (0, "08:30", "America/New_York", "USD Initial Jobless Claims", "Medium", "Forecast: 215K\nPrevious: 212K"),
    (0, "10:00", "America/New_York", "US - ISM Services PMI", "High", "Forecast: 52.0\nPrevious: 51.4"),
    (1, "12:00", None, "日銀金融政策決定会合 政策金利", "JPY,高", "予想: 0.10%\n前回: 0.10%"),
    (1, "07:00", "UTC", "CHF スイス・SNB政策金利発表", "High", "Forecast: 1.50%\nPrevious: 1.50%"),
    (2, "12:00", "Europe/London", "GBP BoE Interest Rate Decision", "High", "Forecast: 5.25%\nPrevious: 5.25%"),
    (2, "09:30", "Asia/Tokyo", "[CNY] 中・消費者物価指数(CPI) 前年比", "Medium", "予想: 0.2%\n前回: 0.1%"),
    (3, "14:00", "America/New_York", "USD FOMC Statement", "High", ""),
    (3, "10:45", "Pacific/Auckland", "NZD NZ・四半期GDP 前期比", "Low", "予想: 0.2%\n前回: -0.3%"),
]

# (minutes from now, zone, summary, categories, description): due while the demo runs.
DUE_SOON = [
    (3, "America/New_York", "USD ADP Non-Farm Employment Change", "High", "Forecast: 175K\nPrevious: 184K"),
    (6, "Europe/London", "GBP 英・小売売上高 前月比", "Medium", "予想: 0.3%\n前回: 0.0%"),
    (12, "Asia/Tokyo", "JPY 日・機械受注 前月比", "Low", "予想: 1.0%\n前回: -2.1%"),
]

CSV_EVENTS = [  # (day, time in Tokyo, country, name, rank, forecast, previous)
    (0, "16:00", "SE", "スウェーデン・消費者物価指数", "2", "2.1%", "2.3%"),
    (1, "17:00", "NO", "ノルウェー・政策金利", "4", "4.50%", "4.50%"),
    (2, "22:30", "CAD", "Canada Employment Change, m/m", "High", "25.0K", "41.4K"),
]

JSON_EVENTS = [  # (day from today in New York, time there, country, title, impact, forecast, previous)
    (0, "10:00", "USD", "JOLTS Job Openings", "Medium", "7.60M", "7.44M"),
    (1, "08:30", "USD", "Core PPI m/m", "High", "0.2%", "0.1%"),
    (1, "19:00", "All", "G20 Meetings", "Non-Economic", "", ""),
    (2, "05:00", "EUR", "German Buba President Speaks", "Low", "", ""),
    (3, "00:00", "JPY", "Bank Holiday", "Holiday", "", ""),
]

NEWS_RSS = [  # (hours ago, title, html body)
    (0.2, "ドル円、151円台で小動き 日銀会合を前に様子見", "<p>東京外国為替市場でドル円は151円台前半で小動き。<br>日銀の金融政策決定会合を前に、持ち高を傾ける動きは限られている。</p>"),
    (3, "豪ドル円、雇用統計後に下落", "<p>豪雇用統計で失業率が予想を上回り、<b>豪ドル</b>は売られた。</p><script>alert('x')</script>"),
    (6, "ユーロドル、1.08ドル台前半 独指標の改善で底堅い", "<p>独IFO企業景況感指数が予想を上回り、ユーロは底堅く推移。</p>"),
    (26, "今週の注目指標 FOMCと日銀会合", "<p>今週はFOMCと日銀金融政策決定会合が予定されている。</p><p onclick=\"x()\">詳しくは<a href=\"https://www.example.com/calendar\">経済指標カレンダー</a>へ。</p>"),
]

NEWS_ATOM = [  # (hours ago, title, xhtml body)
    (1, "Dollar steadies ahead of payrolls", "<p>The dollar held <em>steady</em> against the yen &amp; the euro ahead of Friday's jobs report.</p>"),
    (8, "Gold near record high", "<p>Gold traded near its record as central banks kept buying.</p>"),
    (30, "BoE seen holding rates", "<p>Economists expect the Bank of England to hold at 5.25%.</p>"),
]

SIGNALS = [  # (seconds ago, ticket, symbol, kind, side, price, stop, limit, lots)
    (5400, 48213571, "USDJPY", "N", "B", "151.002", "150.500", "151.800", "0.10"),
    (3600, 48213571, "USDJPY", "M", "B", "151.002", "150.800", "151.800", "0.10"),
    (2700, 48213655, "AUDJPY", "N", "S", "99.450", "0.00000", "0.00000", "0.20"),
    (900, 48213655, "AUDJPY", "C", "S", "99.120", "0.00000", "0.00000", "0.20"),
    (30, 48213571, "USDJPY", "C", "B", "151.620", "0.00000", "0.00000", "0.10"),
]

MESSAGES = [  # (minutes ago, trader, text)
    (240, 103, "ユーロドルは1.0800割れで様子見です。"),
    (90, 101, "ドル円151.00で買いました。"),
    (5, 101, "ドル円の利益確定をしました。お疲れ様でした。"),
]


def ical_text(value: str) -> str:
    return value.replace("\\", "\\\\").replace(";", "\\;").replace(",", "\\,").replace("\n", "\\n")


def stamp(moment: datetime.datetime) -> str:
    return moment.strftime("%Y%m%dT%H%M%S")


def start_line(moment: datetime.datetime, zone) -> str:
    if zone is None:
        return f"DTSTART:{stamp(moment)}"
    if zone == "UTC":
        return f"DTSTART:{stamp(moment.astimezone(UTC))}Z"
    return f"DTSTART;TZID={zone}:{stamp(moment.astimezone(ZoneInfo(zone)))}"


def event(uid: str, start: str, summary: str, categories: str, description: str, now) -> list:
    lines = ["BEGIN:VEVENT", f"UID:{uid}@pelimor.sample", f"DTSTAMP:{stamp(now.astimezone(UTC))}Z", start,
             f"SUMMARY:{ical_text(summary)}"]
    if categories:
        lines.append("CATEGORIES:" + ",".join(ical_text(c) for c in categories.split(",")))
    if description:
        lines.append(f"DESCRIPTION:{ical_text(description)}")
    return lines + ["END:VEVENT"]


def calendar(now: datetime.datetime) -> str:
    lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Pelimor//Sample calendar//EN", "CALSCALE:GREGORIAN"]
    for index, (day, clock, zone, summary, categories, description) in enumerate(WEEK):
        local_zone = ZoneInfo("Asia/Tokyo") if zone in (None, "UTC") else ZoneInfo(zone)
        if zone == "UTC":
            local_zone = UTC
        date = (now.astimezone(local_zone) + datetime.timedelta(days=day)).date()
        hour, minute = (int(part) for part in clock.split(":"))
        moment = datetime.datetime(date.year, date.month, date.day, hour, minute, tzinfo=local_zone)
        start = start_line(moment, zone) if zone else f"DTSTART:{stamp(moment)}"
        lines += event(f"week-{index}", start, summary, categories, description, now)
    next_minute = now.replace(second=0, microsecond=0) + datetime.timedelta(minutes=1)
    for index, (minutes, zone, summary, categories, description) in enumerate(DUE_SOON):
        moment = next_minute + datetime.timedelta(minutes=minutes)
        lines += event(f"soon-{index}", start_line(moment, zone), summary, categories, description, now)
    holiday = (now.astimezone(ZoneInfo("Asia/Tokyo")) + datetime.timedelta(days=4)).date()
    lines += ["BEGIN:VEVENT", "UID:holiday@pelimor.sample", f"DTSTAMP:{stamp(now.astimezone(UTC))}Z",
              f"DTSTART;VALUE=DATE:{holiday.strftime('%Y%m%d')}", "SUMMARY:JPY 日本・祝日", "END:VEVENT"]
    lines.append("END:VCALENDAR")
    return "".join(line + "\r\n" for line in lines)


def csv_calendar(now: datetime.datetime) -> str:
    tokyo = now.astimezone(ZoneInfo("Asia/Tokyo"))
    rows = [["datetime", "country", "name", "rank", "forecast", "previous", "result", "source"]]
    for day, clock, country, name, rank, forecast, previous in CSV_EVENTS:
        date = (tokyo + datetime.timedelta(days=day)).date()
        rows.append([f"{date.isoformat()} {clock}", country, name, rank, forecast, previous, "", "sample"])
    return rows


def json_calendar(now: datetime.datetime) -> str:
    zone = ZoneInfo("America/New_York")
    today = now.astimezone(zone).date()
    events = []
    for day, clock, country, title, impact, forecast, previous in JSON_EVENTS:
        hour, minute = map(int, clock.split(":"))
        moment = datetime.datetime.combine(today + datetime.timedelta(days=day),
                                           datetime.time(hour, minute), zone)
        events.append({"title": title, "country": country, "date": moment.isoformat(),
                       "impact": impact, "forecast": forecast, "previous": previous})
    return json.dumps(events, ensure_ascii=False, indent=1) + "\n"


def rss(now: datetime.datetime) -> str:
    items = []
    for index, (hours, title, body) in enumerate(NEWS_RSS):
        published = email.utils.format_datetime(now - datetime.timedelta(hours=hours))
        items.append(f"<item><title>{escape(title)}</title><link>https://www.example.com/news/{index + 1}</link>"
                     f"<guid isPermaLink=\"false\">pelimor-sample-rss-{index + 1}</guid>"
                     f"<pubDate>{published}</pubDate><description><![CDATA[{body}]]></description></item>")
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
            "<title>Pelimor サンプルニュース</title><link>https://www.example.com/</link>"
            "<description>サンプル</description>\n" + "\n".join(items) + "\n</channel></rss>\n")


def atom(now: datetime.datetime) -> str:
    entries = []
    for index, (hours, title, body) in enumerate(NEWS_ATOM):
        updated = (now - datetime.timedelta(hours=hours)).astimezone(UTC).strftime("%Y-%m-%dT%H:%M:%SZ")
        entries.append(f"<entry><title>{escape(title)}</title><id>urn:pelimor:sample:atom:{index + 1}</id>"
                       f"<link href=\"https://www.example.org/markets/{index + 1}\"/><updated>{updated}</updated>"
                       f"<content type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\">{body}</div></content></entry>")
    updated = now.astimezone(UTC).strftime("%Y-%m-%dT%H:%M:%SZ")
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\">"
            f"<title>Pelimor sample markets</title><id>urn:pelimor:sample:atom</id><updated>{updated}</updated>\n"
            + "\n".join(entries) + "\n</feed>\n")


def signals(now: datetime.datetime):
    rows = [["id", "ticket", "time", "symbol", "kind", "side", "price", "stop", "limit", "lots"]]
    for index, (seconds, ticket, symbol, kind, side, price, stop, limit, lots) in enumerate(SIGNALS):
        rows.append([9001 + index, ticket, int(now.timestamp()) - seconds, symbol, kind, side, price, stop, limit, lots])
    return rows


def messages(now: datetime.datetime):
    rows = [["id", "trader", "time", "text"]]
    for index, (minutes, trader, text) in enumerate(MESSAGES):
        rows.append([7001 + index, trader, int(now.timestamp()) - minutes * 60, text])
    return rows


def write_csv(path: pathlib.Path, rows) -> None:
    with path.open("w", encoding="utf-8", newline="") as file:
        csv.writer(file, lineterminator="\r\n").writerows(rows)


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--now", type=float, default=None, help="seconds since 1970 to date the sources around")
    arguments = parser.parse_args()
    seconds = datetime.datetime.now(UTC).timestamp() if arguments.now is None else arguments.now
    now = datetime.datetime.fromtimestamp(seconds, UTC)
    folder = arguments.folder
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "calendar.ics").write_bytes(calendar(now).encode("utf-8"))
    write_csv(folder / "calendar.csv", csv_calendar(now))
    (folder / "calendar.json").write_bytes(json_calendar(now).encode("utf-8"))
    (folder / "news.rss").write_bytes(rss(now).encode("utf-8"))
    (folder / "news.atom").write_bytes(atom(now).encode("utf-8"))
    write_csv(folder / "signals.csv", signals(now))
    write_csv(folder / "messages.csv", messages(now))


if __name__ == "__main__":
    main()
