#include "net/https_download.h"

#include "base/cancel_token.h"
#include "base/line_file.h"
#include "base/os.h"

namespace {
constexpr std::string_view HTTPS_SCHEME = "https://";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool IsHttpsUrl(std::string_view url) {
    if (url.size() < HTTPS_SCHEME.size()) return false;
    for (size_t at = 0; at < HTTPS_SCHEME.size(); ++at)
        if (LowerAscii(url[at]) != HTTPS_SCHEME[at]) return false;
    return true;
}

bool HttpsDownloadText(const std::string& url, FetchedText& result, const std::string& localFile) {
    result = {};
    // Cancelled work touches no file: its owner may be gone.
    if (ThisThreadCancelled()) return false;
    Os().RemoveFile(localFile);
    std::string body;
    if (!HttpsDownload(url, body) || ThisThreadCancelled()) return false;
    // A text ends at its first NUL byte, as a socket attempt's answer does.
    body.resize(body.find('\0') == std::string::npos ? body.size() : body.find('\0'));
    WriteFileAtomically(localFile, body);  // a copy only: failing to write it fails nothing
    result.text = std::move(body);         // the body alone: WinHTTP keeps the head
    return true;
}
