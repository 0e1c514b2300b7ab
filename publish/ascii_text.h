// The two text helpers every source adapter needs: sources are UTF-8, and only ASCII spaces and
// letters are trimmed or folded, so a multi-byte character is never split or changed.
#pragma once

#include <string>
#include <string_view>

// The text without leading and trailing ASCII white space.
std::string_view TrimmedText(std::string_view text);

// The text with ASCII letters in lower case.
std::string LowerAscii(std::string_view text);
