#include "net/download_to_file.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

// The system's download service; its cache entry goes first so that the answer is fresh.
bool DownloadToFile(const std::string& url, const std::string& localFile) {
    DeleteUrlCacheEntryA(url.c_str());
    return URLDownloadToFileA(nullptr, url.c_str(), localFile.c_str(), 0, nullptr) == S_OK;
}
