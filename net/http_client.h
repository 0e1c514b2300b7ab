// The HTTP client: every file the program takes from its data server comes through FetchUrl.
//
// Plain HTTP (no redirects, no keep-alive), except that an https URL goes through
// HttpsDownloadText alone (net/https_download.h), never over plain HTTP. A fetched text is
// CP932 bytes and ends at its first NUL byte: whatever follows a NUL is dropped.
#pragma once

#include <string>

#include "net/fetched_text.h"

// Fetches an absolute URL ("http://host[:port]/path") in up to three attempts, in this order:
//   1. a socket GET with the whole URL as the request target,
//   2. a socket GET with the path alone (skipped when the URL has no path),
//   3. SystemDownload.
// On success result holds what the successful attempt gave: the whole response (status line,
// headers, empty line, body) from a socket attempt, the body alone from SystemDownload; callers
// keep FetchedBody(result). On failure result is empty. localFile is a scratch file
// that receives a copy of the fetched text; each attempt deletes it first, and it is never
// read back. http11 selects the request form (see BuildGetRequest); extraHeaders go in
// verbatim, each line ending in CR LF.
bool FetchUrl(const std::string& url, const std::string& localFile, FetchedText& result,
              bool http11, const std::string& extraHeaders);

// One socket attempt: deletes localFile, waits 100 ms, connects to host (which may carry
// ":port"; port 80 otherwise), sends one GET for target and reads until the server closes the
// connection. Succeeds only when the answer begins with "HTTP/1.0 200 OK" or "HTTP/1.1 200 OK",
// ended by an orderly close (an error or time-out part way is a failure) and is no longer than
// MAX_RESPONSE_BYTES. On success the whole answer is in result (with its head) and in
// localFile; on failure result is empty.
bool SocketGet(const std::string& host, const std::string& target, FetchedText& result,
               const std::string& localFile, bool http11, const std::string& extraHeaders);

// The last attempt: the platform's own download of the URL into localFile, bypassing any
// cache, then the file read back into result (the body alone). On Windows this is the system's
// URL download service; elsewhere a plain HTTP/1.1 GET with cache-bypass headers that accepts a
// 200 answer with a Content-Length or one read to the server's close (a chunked answer fails).
// Either way another status, a redirect, or an answer longer than MAX_RESPONSE_BYTES fails.
bool SystemDownload(const std::string& url, FetchedText& result, const std::string& localFile);
