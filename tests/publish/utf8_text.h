// Source texts of the publisher's tests are UTF-8 whatever the compiler's execution character
// set (the expected panel texts are CP932 literals): they are written as u8 literals.
#pragma once

#include <string>
#include <string_view>

inline std::string Utf8(std::u8string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}
