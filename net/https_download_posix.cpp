#include "net/https_download.h"

#include "base/os.h"

// The portable core links no TLS library: outside Windows it serves the unit tests and the
// publisher (which fetches its own https sources through libcurl), and neither needs the
// panel's downloads over TLS. Refusing keeps the rule that an https URL never goes out in
// plain text.
bool HttpsDownload(const std::string& url, std::string& body) {
    body.clear();
    Os().Trace("https: no TLS transport on this system, not fetched: " + url);
    return false;
}
