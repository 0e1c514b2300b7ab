// Whatever bytes a server sends as a manifest, a parsed manifest holds only safe paths, each
// once, and well-formed digests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "update/manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Manifest manifest;
    std::string reason;
    if (!ParseManifest(text, manifest, reason)) {
        if (reason.empty()) std::abort();
        return 0;
    }
    if (manifest.version <= 0) std::abort();
    for (const ManifestEntry& entry : manifest.entries) {
        if (!IsSafeUpdatePath(entry.path) || entry.path.find("..") != std::string::npos)
            std::abort();
        if (entry.sha256Hex.size() != 64) std::abort();
    }
    return 0;
}
