#include "publish/rank_words.h"
#include "publish/ascii_text.h"

#include <cctype>
#include <string>

namespace {
constexpr int32_t HIGH = 5, MEDIUM = 3, LOW = 1;

std::string LowerFirstWord(std::string_view text) {
    std::string word(text.substr(0, text.find(' ')));
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}
}  // namespace

std::optional<int32_t> RankOfWord(std::string_view text) {
    text = TrimmedText(text);
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '5') return text[0] - '0';
    // Whole words only: "中国" is China, not a medium rank.
    if (text == "高") return HIGH;
    if (text == "中") return MEDIUM;
    if (text == "低") return LOW;
    const std::string word = LowerFirstWord(text);
    if (word == "high") return HIGH;
    if (word == "medium" || word == "moderate") return MEDIUM;
    if (word == "low") return LOW;
    return std::nullopt;
}

std::optional<int32_t> RankOfPriority(int priority) {
    if (priority < 1 || priority > 9) return std::nullopt;
    if (priority <= 2) return 5;
    if (priority <= 4) return 4;
    if (priority == 5) return 3;
    if (priority <= 7) return 2;
    return 1;
}
