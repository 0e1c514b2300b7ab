// Which files of a release have to be fetched, and the check of each fetched or staged copy.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "update/manifest.h"

// True when the bytes have the entry's size and SHA-256.
bool BytesMatch(std::string_view bytes, const ManifestEntry& entry);

// True when the file at path exists with the entry's size and SHA-256.
bool FileMatches(const std::string& path, const ManifestEntry& entry);

// The entries whose installed file is missing or differs in size or SHA-256, in manifest order.
std::vector<ManifestEntry> FilesToReplace(const std::string& programFolder,
                                          const Manifest& manifest);
