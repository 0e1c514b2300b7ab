// The system's URL download service (URLDownloadToFileA), bounded.
//
// The service has no time-out of its own that holds everywhere (under Wine it waits for ever on
// a server that accepts and never answers), so a watch beside it aborts the transfer when no
// data has arrived for the idle limit, after the total limit in any case, and when the calling
// thread's work is cancelled (SystemDownloadLimits, app/cancel_token.h). This is the seam's
// system download on Windows, part of the portable core there.
#pragma once

#include <string>

// Downloads url into localFile; false on any failure, an aborted transfer included.
bool DownloadUrlToFileWithinLimits(const std::string& url, const std::string& localFile);
