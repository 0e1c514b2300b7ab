#include "update/update_plan.h"

#include "base/os.h"
#include "update/update_paths.h"

bool BytesMatch(std::string_view bytes, const ManifestEntry& entry) {
    return bytes.size() == entry.size && Os().Sha256Hex(bytes) == entry.sha256Hex;
}

bool FileMatches(const std::string& path, const ManifestEntry& entry) {
    std::string bytes;
    return Os().ReadFileBytes(path, bytes) && BytesMatch(bytes, entry);
}

std::vector<ManifestEntry> FilesToReplace(const std::string& programFolder,
                                          const Manifest& manifest) {
    std::vector<ManifestEntry> changed;
    for (const ManifestEntry& entry : manifest.entries)
        if (!FileMatches(LocalPath(programFolder, entry.path), entry)) changed.push_back(entry);
    return changed;
}
