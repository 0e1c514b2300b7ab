#include "metatrader/whole_file.h"

#include <cstdio>
#include <memory>

#include "store/line_file.h"

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    char chunk[65536];
    for (;;) {
        const size_t count = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, count);
        if (count < sizeof chunk) break;
    }
    if (std::ferror(file.get())) {
        bytes.clear();
        return false;
    }
    return true;
}

bool CopyWholeFile(const std::string& source, const std::string& target) {
    std::string bytes;
    return ReadWholeFile(source, bytes) && WriteFileAtomically(target, bytes);
}
