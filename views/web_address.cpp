#include "views/web_address.h"

#include <cctype>

#include "base/cp932_text.h"

namespace {

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// The unreserved and reserved characters of a URL (RFC 3986), "%" apart.
bool IsUrlCharacter(char c) {
    if (std::isalnum(static_cast<unsigned char>(c))) return true;
    constexpr std::string_view OTHERS = "-._~:/?#[]@!$&'()*+,;=";
    return OTHERS.find(c) != std::string_view::npos;
}

bool HasOnlyUrlCharacters(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 2 >= text.size() || !IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2]))
                return false;
            i += 2;
        } else if (!IsUrlCharacter(text[i])) {
            return false;
        }
    }
    return true;
}

// What follows "http://" or "https://" (in any case); empty for another scheme.
std::string_view AfterWebScheme(std::string_view address) {
    std::string lowered = LowerAsciiLetters(address.substr(0, 8));
    for (std::string_view scheme : {"http://", "https://"})
        if (lowered.compare(0, scheme.size(), scheme) == 0) return address.substr(scheme.size());
    return {};
}

}  // namespace

bool IsOpenableWebAddress(std::string_view address) {
    if (address.size() > MAX_WEB_ADDRESS_LENGTH || !HasOnlyUrlCharacters(address)) return false;
    std::string_view rest = AfterWebScheme(address);
    // A host must follow the scheme: "http:///x" or "http://?x" names none.
    return !rest.empty() && std::string_view("/?#").find(rest.front()) == std::string_view::npos;
}
