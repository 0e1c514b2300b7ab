// Hostile texts for the publisher's fuzz targets: the characters that CP932 lacks, which the
// publisher writes as close equivalents after it has escaped or sanitised a text.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "publish/utf8_to_cp932.h"
#include "tests/publish/utf8_text.h"

// The fuzzer would rarely build the UTF-8 of such a character on its own, so the byte 0x01 and
// the byte after it stand for one of them (that byte chooses which): every equivalent is one
// mutation away. Every other byte stays as it is.
inline std::string WithEquivalentCharacters(std::string_view input) {
    static const std::vector<std::string> characters = [] {
        std::vector<std::string> all;
        for (const Cp932Equivalent& equivalent : Cp932Equivalents())
            all.push_back(Utf8Of(equivalent.from));
        for (char32_t latin = 0xC0; latin <= 0xFF; ++latin) all.push_back(Utf8Of(latin));
        return all;
    }();
    std::string text;
    text.reserve(input.size());
    for (size_t at = 0; at < input.size(); ++at) {
        if (input[at] == '\x01' && at + 1 < input.size())
            text += characters[static_cast<unsigned char>(input[++at]) % characters.size()];
        else
            text += input[at];
    }
    return text;
}

// How many bytes of HTML markup ("<", ">", '"', "'", "&") the text holds.
inline size_t MarkupBytes(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return HTML_MARKUP_CHARACTERS.find(c) != std::string_view::npos;
    }));
}
