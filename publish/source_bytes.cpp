#include "publish/source_bytes.h"

#include <curl/curl.h>

#include <fstream>
#include <memory>

namespace {
constexpr long CONNECT_TIMEOUT_SECONDS = 20;
constexpr long TRANSFER_TIMEOUT_SECONDS = 120;
constexpr long MAX_REDIRECTS = 5;

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

struct Download {
    std::string* bytes;
    bool tooLarge = false;
};

size_t AppendChunk(char* data, size_t size, size_t count, void* context) {
    Download& download = *static_cast<Download*>(context);
    const size_t length = size * count;
    if (download.bytes->size() + length > MAX_SOURCE_BYTES) {
        download.tooLarge = true;
        return 0;  // ends the transfer
    }
    download.bytes->append(data, length);
    return length;
}

bool Fetch(const std::string& url, std::string& bytes, std::string& error) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    std::unique_ptr<CURL, CurlDeleter> handle(initialised ? curl_easy_init() : nullptr);
    if (!handle) {
        error = "cannot start a download";
        return false;
    }
    Download download{&bytes};
    char message[CURL_ERROR_SIZE] = {};
    CURL* curl = handle.get();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // libcurl's defaults already check the certificate and its host name; said here, so that no
    // one mistakes their absence for the checks being off.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MAX_REDIRECTS);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, CONNECT_TIMEOUT_SECONDS);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, TRANSFER_TIMEOUT_SECONDS);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "pelimor-publish");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, message);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendChunk);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &download);
    const CURLcode code = curl_easy_perform(curl);
    if (download.tooLarge) {
        error = "larger than 32 MiB";
        return false;
    }
    if (code != CURLE_OK) {
        error = message[0] ? message : curl_easy_strerror(code);
        return false;
    }
    return true;
}

bool ReadFile(const std::string& path, std::string& bytes, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot be opened";
        return false;
    }
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        if (bytes.size() + static_cast<size_t>(file.gcount()) > MAX_SOURCE_BYTES) {
            error = "larger than 32 MiB";
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(file.gcount()));
    }
    if (file.bad()) {
        error = "cannot be read";
        return false;
    }
    return true;
}
bool IsUrlSource(const std::string& source) {
    return source.starts_with("http://") || source.starts_with("https://");
}
}  // namespace

bool ReadSourceBytes(const std::string& source, std::string& bytes, std::string& error) {
    bytes.clear();
    return IsUrlSource(source) ? Fetch(source, bytes, error) : ReadFile(source, bytes, error);
}
