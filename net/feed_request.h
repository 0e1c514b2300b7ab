// One background download of a periodic server file, and the work its thread does.
#pragma once

#include <cstdint>
#include <string>

// What a background fetch downloads. The value is also the number of its scratch file.
enum FeedKind : int32_t {
    FEED_INDICATORS = 1,      // "iadat2.dat", CP932
    FEED_NEWS = 2,            // "qznnews.dat", EUC-JP
    FEED_NOTICES = 3,         // "qzninfo.dat", EUC-JP
    FEED_ACCESS_REPORT = 999  // "acs/aa.php"; the answer is ignored
};

// The server URL of a kind's file.
std::string FeedUrl(FeedKind kind);

struct FeedRequest {
    std::string url;
    FeedKind kind = FEED_INDICATORS;
    // The body of the file, without the HTTP head; empty until the fetch is done, and after a
    // failed fetch.
    std::string result;
    bool succeeded = false;
};

// The work of a fetch thread: waits the kind's delay (fetches started in the same minute would
// otherwise all hit the server at once), downloads into the kind's scratch file and converts
// the EUC-JP feeds to CP932. The indicator feed comes through the system download only; the
// others through FetchUrl.
void FeedFetchThread(FeedRequest& request);
