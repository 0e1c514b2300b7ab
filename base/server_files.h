// The files of the data server, as paths below its base URL (".../sv_pelimor/websys/"). The
// panel and the updater fetch them and pelimor-publish writes them, so the three programs name
// them from here.
#pragma once

inline constexpr char INDICATOR_FEED_FILE[] = "iadat2.dat";  // CP932
inline constexpr char NEWS_FEED_FILE[] = "qznnews.dat";      // EUC-JP
inline constexpr char NOTICE_FEED_FILE[] = "qzninfo.dat";    // EUC-JP
// The latest release's number; the updater finds that release's files beside it.
inline constexpr char RELEASE_NUMBER_FILE[] = "prims/version.dat";
// Fetched once a start to count the users; its answer is not read.
inline constexpr char ACCESS_REPORT_FILE[] = "acs/aa.php";

// The server poll: the counter moves whenever one of the three others changed.
inline constexpr char POLL_COUNTER_FILE[] = "qznhnd_update.dat";
inline constexpr char POLL_TRADER_FILE[] = "qznhnd_trader.dat";
inline constexpr char POLL_MESSAGE_FILE[] = "qznhnd_message.dat";
inline constexpr char POLL_SIGNAL_FILE[] = "qznhnd_data.dat";
