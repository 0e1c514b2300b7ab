#include "metatrader/signal_copy_ea.h"

#include "base/os.h"
#include "ea_reference_digests.h"
#include "metatrader/ea_file_copy.h"
#include "metatrader/file_digest.h"
#include "base/line_file.h"
#include "store/local_files.h"

namespace {
constexpr const char* QZGI_NAME = "QZGI.ex4";
}

QzgiPaths QzgiPathsFor(const TerminalFolderEntry& entry) {
    const TerminalLayout layout = LayoutOf(entry);
    if (layout.root.empty()) return QzgiPaths{};
    const char separator = PathSeparator();
    return QzgiPaths{layout.root + "experts" + separator + QZGI_NAME,
                     layout.root + "Files" + separator + "QZGCOPY.csv"};
}

QzgiCheckResult CheckQzgi(const TerminalFolderEntry& entry) {
    const QzgiPaths paths = QzgiPathsFor(entry);
    if (paths.ea.empty() || !Os().PathExists(paths.ea)) return QZGI_MISSING;
    return FileDigest(paths.ea) == QZGI_EX4_REFERENCE_DIGEST ? QZGI_CORRECT : QZGI_WRONG;
}

const char* QzgiCheckText(int32_t result) {
    switch (result) {
    case QZGI_CORRECT: return "状態は正常です。";
    case QZGI_WRONG: return "QZGI.ex4ファイル内容が正しくありません。";
    default: return "QZGI.ex4ファイルが存在しません。";
    }
}

void SetupQzgi(const TerminalFolderEntry& entry) {
    const QzgiPaths paths = QzgiPathsFor(entry);
    if (!paths.ea.empty()) CopyKeepingTheOld(ProgramFolderPath() + QZGI_NAME, paths.ea);
}
