#include "metatrader/file_digest.h"

#include <array>
#include <cstdint>

#include "base/line_file.h"
#include "base/byte_text.h"

namespace {
constexpr size_t COLUMNS = 16;
constexpr uint32_t ALPHABET_SIZE = sizeof DIGEST_ALPHABET - 1;
}  // namespace

std::string FileDigest(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytes.empty()) return "";
    const size_t summed = bytes.size() - 1;
    const std::string sizeDigits = FormatText("%llX", static_cast<unsigned long long>(summed));
    std::string digest = FormatText("%X", static_cast<unsigned>(sizeDigits.size())) + sizeDigits;
    std::array<uint32_t, COLUMNS> sums{};
    for (size_t at = 0; at < summed; ++at)
        sums[at % COLUMNS] += static_cast<unsigned char>(bytes[at]);
    for (uint32_t sum : sums) digest += DIGEST_ALPHABET[sum % ALPHABET_SIZE];
    return digest;
}
