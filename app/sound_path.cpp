#include "app/sound_path.h"

#include "app/os.h"
#include "store/local_files.h"
#include "store/text_utils.h"

namespace {
bool HasDrivePrefix(const std::string& path) {
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\';
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// ASCII letters lowered; a double-byte character is copied whole, since its second byte may
// look like a letter.
std::string LowerCaseMbcs(const std::string& text) {
    std::string lower;
    lower.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (IsCp932LeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) {
            lower += text[at];
            lower += text[++at];
        } else {
            lower += LowerAscii(text[at]);
        }
    }
    return lower;
}
}  // namespace

std::string ResolveSoundPath(const std::string& path) {
    if (HasDrivePrefix(path)) return path;
    if (PathSeparator() == '\\') return ProgramFolderPath() + path;
    if (!path.empty() && path[0] == '/') return path;
    std::string relative = path;
    ReplaceAllMbcs(relative, "\\", "/");
    return ProgramFolderPath() + relative;
}

std::string ProgramRelativeSoundPath(const std::string& path) {
    const std::string folder = LowerCaseMbcs(ProgramFolderPath());
    if (LowerCaseMbcs(path).starts_with(folder)) return path.substr(folder.size());
    return path;
}
