#!/usr/bin/env python3
"""Writes a sample data server's files, dated around now, for demos and end-to-end tests.

    make_server_files.py DIR [--now SECONDS]

The files land below DIR/sv_pelimor/websys/, so serving DIR on http://127.0.0.1:PORT/ gives the
base URL http://127.0.0.1:PORT/sv_pelimor/websys/ :

    iadat2.dat            a week of indicator announcements (CP932), some due in the next minutes
    qznnews.dat           news (EUC-JP), one of them an advert with an embedded video player
    qzninfo.dat           notices (EUC-JP)
    prims/version.dat     the latest release number, 3100 (so the program is up to date)
    acs/aa.php            the access report's answer (ignored by the program)
    qznhnd_update.dat     the poll's update counter (the generation time, so it changes per run)
    qznhnd_trader.dat     trader names (CP932)
    qznhnd_message.dat    trader messages (CP932)
    qznhnd_data.dat       trade signals (CP932), the newest from half a minute ago

Dates and times are the local time of this process (TZ), as the program reads them. Every file
is replaced whole, so re-running while the server runs is safe.
"""
import argparse
import os
import pathlib
import time

INDICATOR_SEPARATOR = "##"
NEWS_SEPARATOR = "<<>>"
VIDEO_EMBED = "http://www.youtube.com/embed/"

# Country indexes of the indicator feed.
CANADA, SWITZERLAND, EURO_AREA, FRANCE, UK, GERMANY = 0, 1, 2, 3, 4, 5
JAPAN, NEW_ZEALAND, US, AUSTRALIA, CHINA = 7, 8, 10, 12, 15

# (day from today, time, country, name, rank, forecast, previous, result once published).
# "{m}" becomes the month reported on, "{w}" the week; a name is unique per country.
WEEK_OF_INDICATORS = [
    (-3, "08:50", JAPAN, "日・国際収支 経常収支{m}", 3, "2兆4500億円", "2兆6442億円", "2兆5012億円"),
    (-3, "10:30", AUSTRALIA, "豪・小売売上高 前月比{m}", 3, "0.2%", "0.3%", "0.4%"),
    (-3, "16:00", GERMANY, "独・鉱工業生産 前月比{m}", 2, "-0.5%", "1.0%", "-0.4%"),
    (-3, "17:30", UK, "英・消費者物価指数(CPI) 前年比{m}", 4, "3.1%", "3.2%", "3.0%"),
    (-3, "21:30", US, "米・消費者物価指数(CPI) 前月比{m}", 5, "0.3%", "0.4%", "0.3%"),
    (-3, "23:00", US, "米・S&amp;P/ケース・シラー住宅価格指数{m}", 2, "6.7%", "6.6%", "7.3%"),
    (-2, "09:30", CHINA, "中・消費者物価指数(CPI) 前年比{m}", 3, "0.2%", "0.1%", "0.3%"),
    (-2, "15:00", SWITZERLAND, "スイス・貿易収支{m}", 1, "40億CHF", "43.5億CHF", "38.4億CHF"),
    (-2, "18:00", EURO_AREA, "欧・ZEW景況感調査{m}", 3, "35.0", "33.5", "47.0"),
    (-2, "21:30", US, "米・小売売上高 前月比{m}", 5, "0.4%", "0.7%", "0.0%"),
    (-2, "21:30", CANADA, "加・消費者物価指数(CPI) 前年比{m}", 3, "2.8%", "2.9%", "2.7%"),
    (-2, "23:00", US, "米・NAHB住宅市場指数{m}", 2, "50", "51", "45"),
    (-1, "07:45", NEW_ZEALAND, "NZ・四半期消費者物価指数(CPI) 前年比", 4, "4.0%", "4.7%", "4.0%"),
    (-1, "08:50", JAPAN, "日・貿易統計(通関ベース){m}", 3, "3650億円", "-3794億円", "3665億円"),
    (-1, "15:45", FRANCE, "仏・企業景況感{m}", 1, "100", "99", "100"),
    (-1, "17:00", GERMANY, "独・IFO企業景況感指数{m}", 3, "88.9", "87.9", "89.4"),
    (-1, "21:30", US, "米・新規失業保険申請件数{w}", 4, "21.5万件", "21.2万件", "20.8万件"),
    (-1, "23:00", US, "米・中古住宅販売件数{m}", 3, "420万件", "438万件", "419万件"),
    (0, "08:30", JAPAN, "日・全国消費者物価指数(CPI) 前年比{m}", 4, "2.7%", "2.8%", "2.6%"),
    (0, "10:30", AUSTRALIA, "豪・雇用統計 失業率{m}", 4, "3.8%", "3.7%", "3.9%"),
    (0, "17:30", UK, "英・小売売上高 前月比{m}", 3, "0.3%", "0.0%", "-0.5%"),
    (0, "18:00", EURO_AREA, "欧・消費者物価指数(HICP) 前年比 改定値{m}", 3, "2.4%", "2.4%", "2.4%"),
    (0, "21:30", US, "米・非農業部門雇用者数{m}", 5, "24.3万人", "30.3万人", "17.5万人"),
    (0, "21:30", US, "米・失業率{m}", 5, "3.8%", "3.8%", "3.9%"),
    (1, "09:30", AUSTRALIA, "豪・RBA政策金利発表", 5, "4.35%", "4.35%", None),
    (1, "16:00", UK, "英・失業保険申請件数{m}", 2, "1.02万件", "1.11万件", None),
    (1, "18:00", GERMANY, "独・ZEW景況感調査{m}", 3, "46.0", "42.9", None),
    (1, "21:30", US, "米・生産者物価指数(PPI) 前月比{m}", 4, "0.3%", "0.2%", None),
    (1, "23:30", US, "米・週間原油在庫{w}", 2, "-140万バレル", "-731万バレル", None),
    (2, "08:50", JAPAN, "日・国内総生産(GDP) 速報値 前期比年率", 4, "-1.5%", "0.4%", None),
    (2, "11:00", CHINA, "中・鉱工業生産 前年比{m}", 3, "5.5%", "4.5%", None),
    (2, "15:00", UK, "英・国内総生産(GDP) 速報値 前期比", 4, "0.4%", "-0.3%", None),
    (2, "21:30", CANADA, "加・住宅着工件数{m}", 2, "23.5万件", "24.2万件", None),
    (2, "21:30", US, "米・フィラデルフィア連銀製造業景気指数{m}", 3, "8.0", "15.5", None),
    (3, "03:00", US, "米・FOMC政策金利発表", 5, "5.50%", "5.50%", None),
    (3, "12:00", JAPAN, "日・日銀金融政策決定会合 政策金利", 5, "0.10%", "0.10%", None),
    (3, "16:30", SWITZERLAND, "スイス・SNB政策金利発表", 4, "1.50%", "1.50%", None),
    (3, "20:00", UK, "英・BOE政策金利発表", 5, "5.25%", "5.25%", None),
    (3, "21:15", EURO_AREA, "欧・ECB政策金利発表", 5, "4.50%", "4.50%", None),
]

# (minutes from now, country, name, rank, forecast, previous): due while a demo runs.
DUE_SOON = [
    (3, US, "米・ADP雇用統計{m}", 5, "17.5万人", "18.4万人"),
    (6, CANADA, "加・Ivey購買部協会景気指数{m}", 3, "56.0", "57.5"),
    (12, US, "米・ISM非製造業景況指数{m}", 4, "52.0", "51.4"),
]

# Ten news items and the advert: eleven, three pages of five on the panel.
NEWS = [
    ("ドル円、151円台で小動き 日銀会合を前に様子見", "東京外国為替市場でドル円は151円台前半で小動き。<br>日銀の金融政策決定会合を前に、持ち高を傾ける動きは限られている。"),
    ("ユーロドル、1.08ドル台前半 独指標の改善で底堅い", "独IFO企業景況感指数が予想を上回り、ユーロは底堅く推移。<br>ECB理事会を控え、上値は重いとの見方も。"),
    ("豪ドル円、雇用統計後に下落", "豪雇用統計で失業率が予想を上回り、豪ドルは売られた。<br>豪ドル円は一時99円台前半まで下落。"),
    ("米雇用統計、非農業部門雇用者数は予想を下回る", "非農業部門雇用者数は17.5万人増と予想の24.3万人増を下回った。<br>失業率は3.9%に上昇。発表直後にドルは全面安。"),
    ("ポンド、英CPIの鈍化で軟調", "英消費者物価指数が3.0%と予想を下回り、ポンドは軟調。<br>BOEの利下げ観測が強まっている。"),
    ("米10年債利回り、4.5%台に上昇", "米長期金利は4.5%台に上昇。<br>根強いインフレ懸念から利下げ期待が後退している。"),
    ("加ドル、CPI鈍化で弱含み", "加消費者物価指数は2.7%と予想を下回り、加ドルは弱含みとなった。"),
    ("スイスフラン、安全資産需要で買われる", "中東情勢への警戒感から、安全資産とされるスイスフランが買われた。"),
    ("金相場、最高値圏で推移", "金先物は1オンス2400ドル近辺の最高値圏で推移。<br>各国中銀の買いが相場を支えている。"),
    ("今週の注目指標 FOMCと日銀会合", "今週はFOMCと日銀金融政策決定会合が予定されている。<br>両会合の結果を受けて相場が大きく動く可能性がある。"),
]

ADVERT_TITLE = "Pelimor 使い方動画のご案内"
ADVERT_VIDEO_ID = "pElImOr0001"

NOTICES = [
    ("サーバーメンテナンスのお知らせ", "下記の日程でデータサーバーのメンテナンスを行います。<br>メンテナンス中は経済指標とニュースの更新が止まります。"),
    ("経済指標の表示について", "一部の経済指標で予想値の表示が遅れる場合があります。<br>ご了承ください。"),
    ("シグナル配信を開始しました", "MT4へのシグナル配信自動売買に対応しました。<br>設定はメニューの「シグナル配信自動売買設定」から行えます。"),
    ("Pelimor バージョン3.100を公開しました", "新しいバージョンを公開しました。<br>メニューの「更新チェック」から更新できます。"),
]

TRADERS = [(101, "FXトレーダー山田"), (102, "スキャルピング佐藤"), (103, "スイング鈴木")]

# (minutes ago, trader, message); no commas in a message, it is the last field.
MESSAGES = [
    (300, 101, "本日はドル円の押し目買いを狙います。"),
    (240, 103, "ユーロドルは1.0800割れで様子見です。"),
    (180, 102, "雇用統計前はポジションを軽くしておきます。"),
    (90, 101, "ドル円151.00で買いました。"),
    (45, 102, "豪ドル円を短期で売りました。"),
    (5, 101, "ドル円の利益確定をしました。お疲れ様でした。"),
]

# (seconds ago, ticket, symbol, kind, side, price, stop loss, take profit, lots); the kind is
# N (new), C (close) or M (modification); the side B (buy) or S (sell).
SIGNALS = [
    (5400, 48213571, "USDJPY", "N", "B", "151.002", "150.500", "151.800", "0.10"),
    (4200, 48213602, "EURUSD", "N", "S", "1.08012", "1.08400", "1.07400", "0.10"),
    (3600, 48213571, "USDJPY", "M", "B", "151.002", "150.800", "151.800", "0.10"),
    (2700, 48213655, "AUDJPY", "N", "S", "99.450", "0.00000", "0.00000", "0.20"),
    (1800, 48213602, "EURUSD", "C", "S", "1.07850", "0.00000", "0.00000", "0.10"),
    (900, 48213655, "AUDJPY", "C", "S", "99.120", "0.00000", "0.00000", "0.20"),
    (30, 48213571, "USDJPY", "C", "B", "151.620", "0.00000", "0.00000", "0.10"),
]


def write(root: pathlib.Path, path: str, data: bytes) -> None:
    target = root / path
    target.parent.mkdir(parents=True, exist_ok=True)
    temporary = target.with_name(target.name + ".new")
    temporary.write_bytes(data)
    os.replace(temporary, target)


def local(seconds: float) -> time.struct_time:
    return time.localtime(seconds)


def month_label(now: float) -> str:
    today = local(now)
    return f"({12 if today.tm_mon == 1 else today.tm_mon - 1}月)"


def week_label(day: float) -> str:
    week_end = local(day - 6 * 86400)
    return f"({week_end.tm_mon}/{week_end.tm_mday}までの週)"


def at_local(day: float, clock: str) -> float:
    """The moment of clock (HH:MM) on the local date of day."""
    date = local(day)
    hour, minute = (int(part) for part in clock.split(":"))
    return time.mktime((date.tm_year, date.tm_mon, date.tm_mday, hour, minute, 0, 0, 0, -1))


def indicator_line(when: float, country: int, name: str, rank: int, result: str, forecast: str,
                   previous: str) -> str:
    moment = local(when)
    highlight = 1 if rank == 5 else 0
    fields = [f"{moment.tm_year}/{moment.tm_mon}/{moment.tm_mday}",
              f"{moment.tm_hour}:{moment.tm_min:02d}", str(country), name, str(highlight),
              result, forecast, previous, str(rank)]
    for field in fields:
        assert INDICATOR_SEPARATOR not in field and "\n" not in field
    return INDICATOR_SEPARATOR.join(fields)


def indicator_feed(now: float) -> bytes:
    names = set()
    lines = []

    def add(when, country, name, rank, result, forecast, previous):
        assert (name, country) not in names, name
        names.add((name, country))
        lines.append((when, indicator_line(when, country, name, rank, result, forecast, previous)))

    for day, clock, country, name, rank, forecast, previous, result in WEEK_OF_INDICATORS:
        when = at_local(now + day * 86400, clock)
        name = name.format(m=month_label(now), w=week_label(when))
        published = result is not None and when <= now
        add(when, country, name, rank, result if published else "-", forecast, previous)
    next_minute = (int(now) // 60 + 1) * 60
    for minutes, country, name, rank, forecast, previous in DUE_SOON:
        add(next_minute + minutes * 60, country, name.format(m=month_label(now)), rank, "-",
            forecast, previous)
    lines.sort()
    return "".join(line + "\n" for _, line in lines).encode("cp932")


def news_line(item_id: int, title: str, body: str, when: int) -> str:
    fields = [str(item_id), title, body, "0", str(when)]
    for field in fields:
        assert NEWS_SEPARATOR not in field and "\n" not in field
    return "".join(field + NEWS_SEPARATOR for field in fields)


def advert_body() -> str:
    player = (f'<iframe width="220" height="140" src={VIDEO_EMBED}{ADVERT_VIDEO_ID} '
              'frameborder="0" allowfullscreen></iframe>')
    return player + "XCF"


def news_feed(now: float, name: str, items) -> bytes:
    """items: (id, title, body, time), newest last; the first line is a header."""
    stamp = time.strftime("%Y%m%d%H%M%S", local(now))
    lines = [f"{name},{len(items)},{stamp}"]
    lines += [news_line(item_id, title, body, int(when)) for item_id, title, body, when in items]
    return "".join(line + "\n" for line in lines).encode("euc_jp")


def news_items(now: float):
    count = len(NEWS)
    items = [(1001 + index, title, body, now - (count - index - 1) * 3 * 3600 - 600)
             for index, (title, body) in enumerate(NEWS)]
    items.insert(4, (2001, ADVERT_TITLE, advert_body(), now - 2 * 86400))
    return items


def notice_items(now: float):
    count = len(NOTICES)
    return [(501 + index, title, body, now - (count - index - 1) * 86400 - 1800)
            for index, (title, body) in enumerate(NOTICES)]


def comma_lines(rows) -> bytes:
    lines = []
    for row in rows:
        for field in row:
            assert "," not in str(field) and "\n" not in str(field)
        lines.append(",".join(str(field) for field in row))
    return "".join(line + "\n" for line in lines).encode("cp932")


def message_file(now: float) -> bytes:
    rows = []
    for index, (minutes_ago, trader, text) in enumerate(MESSAGES):
        rows.append((7001 + index, trader, int(now) - minutes_ago * 60, text))
    return comma_lines(rows)


def signal_file(now: float) -> bytes:
    """Each line: id, ticket, key, symbol, time in seconds, kind, side, three prices, lots,
    time as year.month.day hour:minute:second."""
    rows = []
    for index, (seconds_ago, ticket, symbol, kind, side, price, stop, limit, lots) in enumerate(SIGNALS):
        when = int(now) - seconds_ago
        stamp = time.strftime("%Y.%m.%d %H:%M:%S", local(when))
        rows.append((9001 + index, ticket, when, symbol, when, kind, side, price, stop, limit, lots, stamp))
    return comma_lines(rows)


def make_server_files(root: pathlib.Path, now: float) -> None:
    websys = root / "sv_pelimor" / "websys"
    write(websys, "iadat2.dat", indicator_feed(now))
    write(websys, "qznnews.dat", news_feed(now, "QZNNEWS", news_items(now)))
    write(websys, "qzninfo.dat", news_feed(now, "QZNINFO", notice_items(now)))
    write(websys, "prims/version.dat", b"3100\n")
    write(websys, "acs/aa.php", b"OK\n")
    write(websys, "qznhnd_trader.dat", comma_lines(TRADERS))
    write(websys, "qznhnd_message.dat", message_file(now))
    write(websys, "qznhnd_data.dat", signal_file(now))
    # Last, so that a poll which sees the new counter finds the new files.
    write(websys, "qznhnd_update.dat", f"{int(now)}\n".encode("ascii"))


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=pathlib.Path, help="folder to serve")
    parser.add_argument("--now", type=float, default=None, help="seconds since 1970 to date the files around")
    arguments = parser.parse_args()
    make_server_files(arguments.folder, time.time() if arguments.now is None else arguments.now)


if __name__ == "__main__":
    main()
