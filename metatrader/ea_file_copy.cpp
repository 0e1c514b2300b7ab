#include "metatrader/ea_file_copy.h"

#include "base/line_file.h"
#include "base/os.h"
#include "metatrader/file_digest.h"

bool CopyKeepingTheOld(const std::string& source, const std::string& target) {
    if (Os().PathExists(target) && FileDigest(target) != FileDigest(source)) {
        CopyWholeFile(target, target + ".old");
    }
    return CopyWholeFile(source, target);
}
