// Calendars published and read back by the panel's own feed reader: names, instants, countries,
// ranks and values arrive as the sources gave them.
#include <gtest/gtest.h>

#include <algorithm>

#include "publish/time_text.h"
#include "tests/publish/publish_fixture.h"

namespace {
int64_t Utc(int year, int month, int day, int hour, int minute) {
    return *UtcSeconds(year, month, day, hour, minute, 0);
}

std::string Lines(std::initializer_list<const char8_t*> lines) {
    std::string text;
    for (const char8_t* line : lines) text += Utf8(line) + "\r\n";
    return text;
}

// Outlook names its zones itself and sends their rules along.
const std::initializer_list<const char8_t*> EASTERN_ZONE = {
    u8"BEGIN:VTIMEZONE",
    u8"TZID:Eastern Standard Time",
    u8"BEGIN:DAYLIGHT",
    u8"TZOFFSETFROM:-0500",
    u8"TZOFFSETTO:-0400",
    u8"TZNAME:EDT",
    u8"DTSTART:19700308T020000",
    u8"RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU",
    u8"END:DAYLIGHT",
    u8"BEGIN:STANDARD",
    u8"TZOFFSETFROM:-0400",
    u8"TZOFFSETTO:-0500",
    u8"TZNAME:EST",
    u8"DTSTART:19701101T020000",
    u8"RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU",
    u8"END:STANDARD",
    u8"END:VTIMEZONE"};

std::string Calendar() {
    return Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"PRODID:-//test//EN"}) +
           Lines(EASTERN_ZONE) +
           Lines({
               // Before the change to daylight-saving time in New York (UTC-5) ...
               u8"BEGIN:VEVENT",
               u8"UID:1",
               u8"DTSTART;TZID=America/New_York:20260306T083000",
               u8"SUMMARY:USD Non-Farm Payrolls",
               u8"CATEGORIES:High",
               u8"DESCRIPTION:Forecast: 180K\\nPrevious: 175K\\nActual: 190K",
               u8"END:VEVENT",
               // ... and after it (UTC-4), through the calendar's own zone.
               u8"BEGIN:VEVENT",
               u8"UID:2",
               u8"DTSTART;TZID=Eastern Standard Time:20260309T083000",
               u8"SUMMARY:[CAD] Housing Starts",
               u8"X-IMPACT:Low",
               u8"DESCRIPTION:予想：25.0万件\\n前回: 24.2万件",
               u8"END:VEVENT",
               u8"BEGIN:VEVENT",
               u8"UID:3",
               u8"DTSTART:20260310T013000Z",
               u8"SUMMARY:豪・雇用統計 〜 失業率 📈 café",
               u8"CATEGORIES:AUD,中",
               u8"END:VEVENT",
               // Floating: the panel's zone.
               u8"BEGIN:VEVENT",
               u8"UID:4",
               u8"DTSTART:20260311T085000",
               u8"SUMMARY:JP: 国内総生産 S&P #1",
               u8"PRIORITY:1",
               u8"END:VEVENT",
               u8"BEGIN:VEVENT",
               u8"UID:5",
               u8"DTSTART;VALUE=DATE:20260312",
               u8"SUMMARY:Bank Holiday",
               u8"END:VEVENT",
               u8"BEGIN:VEVENT",
               u8"UID:6",
               u8"DTSTART:20260501T000000Z",
               u8"SUMMARY:USD Too Far Ahead",
               u8"END:VEVENT",
               u8"BEGIN:VEVENT",
               u8"UID:7",
               u8"DTSTART:20260310T100000Z",
               u8"SUMMARY:[XYZ] Mystery Index",
               u8"END:VEVENT",
               u8"END:VCALENDAR",
           });
}

// 23 events of 8,880 occurrences each in the window, each under the bound of one event, together
// over the bound of one calendar.
std::string ManyRecurringEvents() {
    std::string text = Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0"});
    for (int event = 0; event < 23; ++event)
        text += Lines({u8"BEGIN:VEVENT", u8"DTSTART:20260301T000000Z",
                       u8"RRULE:FREQ=DAILY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,"
                       u8"18,19,20,21,22,23;BYMINUTE=0,6,12,18,24,30,36,42,48,54"}) +
                "SUMMARY:Event " + std::to_string(event) + "\r\n" + Lines({u8"END:VEVENT"});
    return text + Lines({u8"END:VCALENDAR"});
}

class CalendarRoundTrip : public PublishFixture {};

TEST_F(CalendarRoundTrip, ICalendarEventsArriveWithTheirInstantsCountriesRanksAndValues) {
    options.calendars = {Source("calendar.ics", Calendar())};
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(summary.skippedAllDay, 1);
    const std::vector<IndicatorRecord> records = Announcements();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_TRUE(std::is_sorted(records.begin(), records.end(),
                               [](const auto& a, const auto& b) { return a.when < b.when; }));

    const IndicatorRecord payrolls = Named(records, "Non-Farm Payrolls");
    EXPECT_EQ(payrolls.when, Utc(2026, 3, 6, 13, 30));
    EXPECT_EQ(payrolls.country, 10);
    EXPECT_EQ(payrolls.rank, 5);
    EXPECT_EQ(payrolls.highlight, 1);
    EXPECT_EQ(payrolls.forecast, "180K");
    EXPECT_EQ(payrolls.previous, "175K");
    EXPECT_EQ(payrolls.result, "190K");

    const IndicatorRecord housing = Named(records, "Housing Starts");
    EXPECT_EQ(housing.when, Utc(2026, 3, 9, 12, 30));
    EXPECT_EQ(housing.country, 0);
    EXPECT_EQ(housing.rank, 1);
    EXPECT_EQ(housing.highlight, 0);
    EXPECT_EQ(housing.forecast, "25.0万件");
    EXPECT_EQ(housing.previous, "24.2万件");
    EXPECT_EQ(housing.result, "");

    // Characters CP932 lacks: the JIS wave dash becomes CP932's, the accent goes, the emoji is "?".
    const IndicatorRecord jobs = Named(records, "豪・雇用統計 ～ 失業率 ? cafe");
    EXPECT_EQ(jobs.when, Utc(2026, 3, 10, 1, 30));
    EXPECT_EQ(jobs.country, 12);
    EXPECT_EQ(jobs.rank, 3);

    const IndicatorRecord gdp = Named(records, "国内総生産 S&P ＃1");
    EXPECT_EQ(gdp.when, Utc(2026, 3, 10, 23, 50));
    EXPECT_EQ(gdp.country, 7);
    EXPECT_EQ(gdp.rank, 5);

    const IndicatorRecord mystery = Named(records, "Mystery Index");
    EXPECT_EQ(mystery.country, -1);
    EXPECT_EQ(mystery.rank, 3);
}

TEST_F(CalendarRoundTrip, CsvCalendarsMergeWithICalendarsAndRepeatedNamesStayApart) {
    const std::string csv = Utf8(
        u8"name,datetime,country,rank,forecast,previous,result,highlight,notes\n"
        u8"\"Retail Sales, m/m\",2026-03-10T21:30:00+09:00,USD,4,0.3%,0.2%,,0,\"a \"\"quoted\"\"\n"
        u8"multi-line note\"\n"
        u8"GDP q/q,2026-03-11 16:00,GB,High,\"0,4%\",0.3%,,1,x\n"
        u8"Non-Farm Payrolls,2026-03-06T13:30:00Z,USD,5,180K,175K,190K,,\n"
        u8"Initial Jobless Claims,2026-03-05T13:30:00Z,US,medium,,,,,\n"
        u8"Initial Jobless Claims,2026-03-12T12:30:00Z,US,medium,,,,,\n");
    const std::string dated =
        Utf8(u8"Time,Date,Country,Name\r\n08:50,2026/03/12,7,日銀 金融政策決定会合\r\n");
    options.calendars = {Source("calendar.ics", Calendar()), Source("a.csv", csv),
                         Source("b.csv", dated)};
    ASSERT_TRUE(Run()) << error;
    const std::vector<IndicatorRecord> records = Announcements();
    ASSERT_EQ(records.size(), 10u);

    const IndicatorRecord retail = Named(records, "Retail Sales, m/m");
    EXPECT_EQ(retail.when, Utc(2026, 3, 10, 12, 30));
    EXPECT_EQ(retail.country, 10);
    EXPECT_EQ(retail.rank, 4);
    EXPECT_EQ(retail.highlight, 0);
    EXPECT_EQ(retail.forecast, "0.3%");

    const IndicatorRecord gdp = Named(records, "GDP q/q");
    EXPECT_EQ(gdp.when, Utc(2026, 3, 11, 7, 0));
    EXPECT_EQ(gdp.country, 4);
    EXPECT_EQ(gdp.rank, 5);
    EXPECT_EQ(gdp.highlight, 1);
    EXPECT_EQ(gdp.forecast, "0,4%");

    // The same announcement from two sources is written once.
    EXPECT_EQ(Named(records, "Non-Farm Payrolls").result, "190K");
    // One name at two instants: the panel keeps one record per name and country, so each
    // carries its date in the panel's zone.
    EXPECT_EQ(Named(records, "Initial Jobless Claims (3/5)").when, Utc(2026, 3, 5, 13, 30));
    EXPECT_EQ(Named(records, "Initial Jobless Claims (3/12)").when, Utc(2026, 3, 12, 12, 30));
    EXPECT_EQ(Named(records, "Initial Jobless Claims (3/12)").rank, 3);

    const IndicatorRecord boj = Named(records, "日銀 金融政策決定会合");
    EXPECT_EQ(boj.when, Utc(2026, 3, 11, 23, 50));
    EXPECT_EQ(boj.country, 7);
    EXPECT_EQ(boj.rank, 3);
}

// The weekly export of the calendar that MetaTrader news tools read.
std::string JsonWeek() {
    return Utf8(
        u8"\xEF\xBB\xBF \r\n[\n"
        u8" {\"title\": \"Non-Farm Employment Change\", \"country\": \"USD\",\n"
        u8"  \"date\": \"2026-03-06T08:30:00-05:00\", \"impact\": \"High\",\n"
        u8"  \"forecast\": \"180K\", \"previous\": \"175K\"},\n"
        u8" {\"title\": \"BOJ Press Conference\", \"country\": \"JPY\",\n"
        u8"  \"date\": \"2026-03-11T15:30:00+09:00\", \"impact\": \"Non-Economic\",\n"
        u8"  \"forecast\": \"\", \"previous\": \"\"},\n"
        u8" {\"title\": \"OPEC Meetings\", \"country\": \"All\", \"date\": "
        u8"\"2026-03-10T00:00:00-04:00\",\n"
        u8"  \"impact\": \"Medium\", \"forecast\": 1.5, \"previous\": null, \"extra\": "
        u8"{\"a\": [1, 2]}},\n"
        u8" {\"title\": \"Bank Holiday\", \"country\": \"GBP\", \"date\": "
        u8"\"2026-03-09T03:00:00-04:00\",\n"
        u8"  \"impact\": \"Holiday\", \"forecast\": \"\", \"previous\": \"\"},\n"
        u8" {\"title\": \"Building Permits\", \"country\": \"NZD\", \"date\": "
        u8"\"2026-03-09T17:45:00-04:00\",\n"
        u8"  \"impact\": \"low\", \"forecast\": \"\", \"previous\": \"-1.2%\"},\n"
        u8" {\"title\": \"Initial Jobless Claims\", \"country\": \"USD\", \"date\": "
        u8"\"2026-03-12T08:30:00-04:00\",\n"
        u8"  \"impact\": \"Medium\", \"forecast\": \"215K\", \"previous\": \"213K\"}\n"
        u8"]\n");
}

TEST_F(CalendarRoundTrip, JsonCalendarEventsArriveAtTheirInstantsAndMergeWithTheOtherSources) {
    const std::string csv = Utf8(
        u8"name,datetime,country,rank\n"
        u8"Initial Jobless Claims,2026-03-05T13:30:00Z,USD,medium\n"
        u8"Non-Farm Employment Change,2026-03-06T13:30:00Z,USD,5\n");
    options.calendars = {Source("week.json", JsonWeek()), Source("claims.csv", csv)};
    ASSERT_TRUE(Run()) << error;
    EXPECT_EQ(summary.skippedAllDay, 1);
    const std::vector<IndicatorRecord> records = Announcements();
    ASSERT_EQ(records.size(), 6u);

    // The offset decides the instant; the same event from the CSV source is written once.
    const IndicatorRecord payrolls = Named(records, "Non-Farm Employment Change");
    EXPECT_EQ(payrolls.when, Utc(2026, 3, 6, 13, 30));
    EXPECT_EQ(payrolls.country, 10);
    EXPECT_EQ(payrolls.rank, 5);
    EXPECT_EQ(payrolls.highlight, 1);
    EXPECT_EQ(payrolls.forecast, "180K");
    EXPECT_EQ(payrolls.previous, "175K");

    const IndicatorRecord boj = Named(records, "BOJ Press Conference");
    EXPECT_EQ(boj.when, Utc(2026, 3, 11, 6, 30));
    EXPECT_EQ(boj.country, 7);
    EXPECT_EQ(boj.rank, 1);
    EXPECT_EQ(boj.highlight, 0);

    // "All" names every market: no flag. Numbers are values too; null and nested members are not.
    const IndicatorRecord opec = Named(records, "OPEC Meetings");
    EXPECT_EQ(opec.when, Utc(2026, 3, 10, 4, 0));
    EXPECT_EQ(opec.country, -1);
    EXPECT_EQ(opec.rank, 3);
    EXPECT_EQ(opec.forecast, "1.5");
    EXPECT_EQ(opec.previous, "");

    const IndicatorRecord permits = Named(records, "Building Permits");
    EXPECT_EQ(permits.rank, 1);
    EXPECT_EQ(permits.previous, "-1.2%");

    // One name at two instants, one from each source: each carries its date.
    EXPECT_EQ(Named(records, "Initial Jobless Claims (3/5)").when, Utc(2026, 3, 5, 13, 30));
    EXPECT_EQ(Named(records, "Initial Jobless Claims (3/12)").when, Utc(2026, 3, 12, 12, 30));
}

TEST_F(CalendarRoundTrip, TheWindowBoundsTheAnnouncementsAndRecurringEventsAreExpandedInIt) {
    const std::string weekly = Lines(
        {u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"PRODID:-//test//EN", u8"BEGIN:VEVENT", u8"UID:w",
         u8"DTSTART;TZID=America/New_York:20260226T083000", u8"RRULE:FREQ=WEEKLY;COUNT=6",
         u8"SUMMARY:USD Weekly Claims", u8"END:VEVENT", u8"END:VCALENDAR"});
    options.calendars = {Source("weekly.ics", weekly)};
    options.daysBack = 3;
    options.daysAhead = 7;
    ASSERT_TRUE(Run()) << error;
    const std::vector<IndicatorRecord> records = Announcements();
    // 3/5 (EST) is before the window; 3/12 (EDT) and 3/19 are inside 3/7 .. 3/17 only as 3/12.
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "Weekly Claims");
    EXPECT_EQ(records[0].when, Utc(2026, 3, 12, 12, 30));
}

TEST_F(CalendarRoundTrip, ARuleFromLongAgoIsExpandedInTheWindowOnly) {
    // Every ten minutes of every day since 1990: 144 a day, some 5,300 in the window.
    const std::string dense = Lines(
        {u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:d",
         u8"DTSTART:19900101T000000Z",
         u8"RRULE:FREQ=DAILY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,"
         u8"23;BYMINUTE=0,10,20,30,40,50",
         u8"EXDATE:20260305T120000Z,20260305T121000Z", u8"SUMMARY:Tick", u8"END:VEVENT",
         u8"END:VCALENDAR"});
    options.calendars = {Source("dense.ics", dense)};
    ASSERT_TRUE(Run()) << error;
    const std::vector<IndicatorRecord> records = Announcements();
    // From the window's first instant to its last, less the two excluded dates.
    EXPECT_EQ(records.size(), size_t{37 * 144 + 1 - 2});
    EXPECT_EQ(records.front().when, RUN_TIME - 7 * 86400);
    EXPECT_EQ(records.back().when, RUN_TIME + 30 * 86400);
    for (const IndicatorRecord& record : records)
        EXPECT_NE(record.when, Utc(2026, 3, 5, 12, 10)) << record.name;
}

TEST_F(CalendarRoundTrip, RulesThatEndedOrStartLaterAreExpandedInTheWindowOnly) {
    const std::string rules = Lines(
        {u8"BEGIN:VCALENDAR",
         u8"VERSION:2.0",
         u8"BEGIN:VEVENT",
         u8"UID:e",
         u8"DTSTART:19700101T120000Z",
         u8"RRULE:FREQ=DAILY;UNTIL=19991231T120000Z",
         u8"SUMMARY:Ended",
         u8"END:VEVENT",
         u8"BEGIN:VEVENT",
         u8"UID:l",
         u8"DTSTART:20260315T120000Z",
         u8"RRULE:FREQ=DAILY",
         u8"SUMMARY:Later",
         u8"END:VEVENT",
         u8"BEGIN:VEVENT",
         u8"UID:n",
         u8"DTSTART:20260301T000000Z",
         u8"RRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,"
         u8"16,17,18,19,20,21,22,23",
         u8"SUMMARY:Never",
         u8"END:VEVENT",
         u8"BEGIN:VEVENT",
         u8"UID:c",
         u8"DTSTART:20260301T000000Z",
         u8"RRULE:FREQ=DAILY;COUNT=3;BYMONTH=2;BYMONTHDAY=30;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,"
         u8"13,14,15,16,17,18,19,20,21,22,23",
         u8"SUMMARY:Never counted",
         u8"END:VEVENT",
         u8"END:VCALENDAR"});
    options.calendars = {Source("rules.ics", rules)};
    ASSERT_TRUE(Run()) << error;
    const std::vector<IndicatorRecord> records = Announcements();
    // Daily from 3/15 up to the window's end on 4/9 at midnight: 25; the other rules none.
    ASSERT_EQ(records.size(), 25u);
    EXPECT_EQ(records.front().name, "Later (3/15)");
}

TEST_F(CalendarRoundTrip, ALoneEventWithAZoneIsRead) {
    options.calendars = {Source("event.ics", Lines({u8"BEGIN:VEVENT", u8"UID:1",
                                                    u8"DTSTART;TZID=Europe/London:20260310T093000",
                                                    u8"SUMMARY:GBP CPI y/y", u8"END:VEVENT"}))};
    ASSERT_TRUE(Run()) << error;
    const std::vector<IndicatorRecord> records = Announcements();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "CPI y/y");
    EXPECT_EQ(records[0].when, Utc(2026, 3, 10, 9, 30));
    EXPECT_EQ(records[0].country, 4);
}

TEST_F(CalendarRoundTrip, BadCalendarsAreRefusedNamingSourceAndLine) {
    struct Case {
        std::string name, text, message;
    };
    const Case cases[] = {
        {"no-start.ics",
         Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:1", u8"SUMMARY:x",
                u8"END:VEVENT", u8"END:VCALENDAR"}),
         "no-start.ics: line 3 (VEVENT): the event has no readable DTSTART"},
        {"zone.ics",
         Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:1",
                u8"DTSTART;TZID=Mars/Olympus:20260310T083000", u8"SUMMARY:x", u8"END:VEVENT",
                u8"END:VCALENDAR"}),
         "zone.ics: line 3 (VEVENT): unknown time zone \"Mars/Olympus\" in DTSTART"},
        {"hourly.ics",
         Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:1",
                u8"DTSTART:19700101T000000Z", u8"RRULE:FREQ=SECONDLY", u8"SUMMARY:x",
                u8"END:VEVENT", u8"END:VCALENDAR"}),
         "hourly.ics: line 3 (VEVENT): a recurrence more often than daily"},
        {"every-second.ics",
         Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:1",
                u8"DTSTART:20260301T000000Z",
                u8"RRULE:FREQ=DAILY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,"
                u8"21,22,23;BYMINUTE=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,"
                u8"23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,"
                u8"49,50,51,52,53,54,55,56,57,58,59;BYSECOND=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,"
                u8"15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,"
                u8"41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59",
                u8"SUMMARY:Every second", u8"END:VEVENT", u8"END:VCALENDAR"}),
         "every-second.ics: line 3 (VEVENT \"Every second\"): its recurrence gives more than "
         "10000 occurrences up to the end of the window"},
        {"counted.ics",
         Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:1",
                u8"DTSTART:19700101T000000Z", u8"RRULE:FREQ=DAILY;COUNT=2000000000",
                u8"SUMMARY:Daily since 1970", u8"END:VEVENT", u8"END:VCALENDAR"}),
         "counted.ics: line 3 (VEVENT \"Daily since 1970\"): its recurrence gives more than "
         "10000 occurrences up to the end of the window"},
        // Two rules of 5,328 occurrences each in the window: the bound holds for the event.
        {"two-rules.ics",
         Lines({u8"BEGIN:VCALENDAR", u8"VERSION:2.0", u8"BEGIN:VEVENT", u8"UID:1",
                u8"DTSTART:20260301T000000Z",
                u8"RRULE:FREQ=DAILY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,"
                u8"21,22,23;BYMINUTE=0,10,20,30,40,50",
                u8"RRULE:FREQ=DAILY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,"
                u8"21,22,23;BYMINUTE=5,15,25,35,45,55",
                u8"SUMMARY:Two rules", u8"END:VEVENT", u8"END:VCALENDAR"}),
         "two-rules.ics: line 3 (VEVENT \"Two rules\"): its recurrence gives more than "
         "10000 occurrences up to the end of the window"},
        {"many-events.ics", ManyRecurringEvents(),
         "many-events.ics: line 113 (VEVENT \"Event 22\"): the calendar gives more than 200000 "
         "announcements"},
        {"date.csv", "name,datetime\nok,2026-03-10 10:00\nbad,2026-02-30 10:00\n",
         "date.csv: line 3: the date and time cannot be read"},
        {"quote.csv", "name,datetime\n\"open,2026-03-10 10:00\n",
         "quote.csv: line 2: a quoted field is never closed"},
        {"header.csv", "title,when\nx,y\n",
         "header.csv: line 1: the header must name the columns name and datetime (or date and "
         "time)"},
        {"rank.csv", "name,datetime,rank\nx,2026-03-10 10:00,urgent\n",
         "rank.csv: line 2: the rank \"urgent\" is no rank"},
        {"title.json",
         "[{\"title\": \"ok\", \"date\": \"2026-03-10T10:00:00Z\"},\n"
         " {\"title\": \"  \", \"date\": \"2026-03-10T10:00:00Z\"}]",
         "title.json: [1]: the event has no title"},
        {"date.json", "[{\"title\": \"x\", \"date\": \"next Friday\"}]",
         "date.json: [0]: the event has no readable date"},
        {"nodate.json", "[{\"title\": \"x\"}]", "nodate.json: [0]: the event has no readable date"},
        {"element.json", "[{\"title\": \"x\", \"date\": \"2026-03-10T10:00:00Z\"}, 7]",
         "element.json: [1]: the element is no object"},
        {"broken.json", "[{\"title\": \"x\",",
         "broken.json: the text is no valid JSON (broken "
         "syntax or invalid UTF-8)"},
        {"utf8.json", "[{\"title\": \"\xFF\", \"date\": \"2026-03-10T10:00:00Z\"}]",
         "utf8.json: the text is no valid JSON (broken syntax or invalid UTF-8)"},
    };
    for (const Case& c : cases) {
        options.calendars = {Source(c.name, c.text)};
        EXPECT_FALSE(Run()) << c.name;
        EXPECT_EQ(error, folder.Path() + c.message);
    }
}
}  // namespace
