// Downloads from an https:// URL, through the system's TLS and its certificate checks.
//
// An https URL is never tried over plain HTTP nor handed to the system's URL download service:
// an answer in plain text to a request meant for TLS could come from anyone on the path. A
// certificate the system does not trust fails the download, with a trace line.
#pragma once

#include <string>
#include <string_view>

#include "net/fetched_text.h"

// True when the URL begins with "https://" (any case of the scheme).
bool IsHttpsUrl(std::string_view url);

// One HTTPS GET of the URL, asking every cache for a fresh copy, no redirect followed. The
// connect, the send and every wait for data are bounded by SocketTimeoutMilliseconds(), the whole
// transfer by SocketDeadlineMilliseconds(), and it gives up within a tenth of a second once the
// thread's work is cancelled. True, with every byte of
// the body, only for a whole 200 answer of at most MAX_RESPONSE_BYTES.
bool HttpsDownload(const std::string& url, std::string& body);

// The same download for a text: deletes localFile first, keeps the body (without a head) up to
// its first NUL byte in result and a copy of it in localFile. On failure result is empty.
bool HttpsDownloadText(const std::string& url, FetchedText& result, const std::string& localFile);
