#include "metatrader/folder_field.h"

#include "app/os.h"
#include "store/text_utils.h"

namespace {
// Whether the last character is the separator itself, not the second byte of a double-byte
// character (in CP932 that byte can equal the backslash, as in "表").
bool EndsWithSeparator(const std::string& path) {
    bool lastIsSeparator = false;
    for (size_t at = 0; at < path.size(); ++at) {
        const auto byte = static_cast<unsigned char>(path[at]);
        lastIsSeparator = byte == static_cast<unsigned char>(PathSeparator());
        if (IsCp932LeadByte(byte)) ++at;
    }
    return lastIsSeparator;
}
}  // namespace

std::string AsFolderField(const std::string& chosenPath) {
    if (chosenPath.empty() || EndsWithSeparator(chosenPath)) return chosenPath;
    return chosenPath + PathSeparator();
}
