#include "net/download_to_file.h"

#include "base/line_file.h"
#include "net/fetch_file_bytes.h"

// A plain HTTP/1.1 GET, asking every cache on the way for a fresh copy.
bool DownloadToFile(const std::string& url, const std::string& localFile) {
    std::string body;
    return FetchFileBytes(url, body) && WriteFileAtomically(localFile, body);
}
