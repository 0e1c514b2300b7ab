// Arbitrary bytes convert to CP932 text that ends at no NUL, keeps every line break, is never
// longer than its input and never ends inside a double-byte character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/euc_jp.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"

namespace {
bool EndsOnACharacterBoundary(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) at += IsCp932LeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    return at == text.size();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    const std::string text = input.substr(0, input.find('\0'));
    const std::string converted = EucJpToCp932(input);
    if (converted.find('\0') != std::string::npos) std::abort();
    if (converted.size() > text.size()) std::abort();
    if (CountOccurrences(converted, "\n") != CountOccurrences(text, "\n")) std::abort();
    if (!EndsOnACharacterBoundary(converted)) std::abort();
    return 0;
}
