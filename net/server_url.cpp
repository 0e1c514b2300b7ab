#include "net/server_url.h"

#include <cstdlib>

std::string ServerBaseUrl() {
    const char* fromEnvironment = std::getenv("PELIMOR_BASE_URL");
    std::string base =
        fromEnvironment && *fromEnvironment ? fromEnvironment : PELIMOR_DEFAULT_BASE_URL;
    // Paths are appended directly, so a base given without its final "/" would run into them.
    if (!base.empty() && base.back() != '/') base += '/';
    return base;
}

std::string ServerFileUrl(const std::string& path) { return ServerBaseUrl() + path; }
