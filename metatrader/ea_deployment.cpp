#include "metatrader/ea_deployment.h"

#include "base/os.h"
#include "ea_reference_digests.h"
#include "metatrader/ea_file_copy.h"
#include "metatrader/file_digest.h"
#include "base/line_file.h"
#include "store/local_files.h"

namespace {
constexpr const char* LIBRARY_NAME = "qzea.dll";
constexpr const char* EA_NAME = "QZEA.ex4";
constexpr const char* EA_TT_NAME = "QZEA_TT.ex4";
}  // namespace

EaFileSet EaFileSetFor(const TerminalFolderEntry& entry) {
    const TerminalLayout layout = LayoutOf(entry);
    if (layout.root.empty()) return EaFileSet{};
    const char separator = PathSeparator();
    const std::string experts = layout.root + "experts" + separator;
    const std::string libraries = layout.underMql4 ? layout.root + "libraries" + separator
                                                   : experts + "libraries" + separator;
    return EaFileSet{libraries + LIBRARY_NAME, experts + EA_NAME, experts + EA_TT_NAME};
}

EaCheckResult CheckEaFiles(const EaFileSet& files) {
    if (!Os().PathExists(files.library)) return EaCheckResult::LibraryMissing;
    if (!Os().PathExists(files.ea)) return EaCheckResult::EaMissing;
    if (!Os().PathExists(files.eaTt)) return EaCheckResult::EaTtMissing;
    if (FileDigest(files.library) != QZEA_DLL_REFERENCE_DIGEST) return EaCheckResult::LibraryWrong;
    if (FileDigest(files.ea) != QZEA_EX4_REFERENCE_DIGEST) return EaCheckResult::EaWrong;
    if (FileDigest(files.eaTt) != QZEA_TT_EX4_REFERENCE_DIGEST) return EaCheckResult::EaTtWrong;
    return EaCheckResult::AllCorrect;
}

const char* EaCheckText(EaCheckResult result) {
    switch (result) {
    case EaCheckResult::LibraryMissing: return "DLLファイルが存在しません。";
    case EaCheckResult::EaMissing: return "EX4ファイルが存在しません。";
    case EaCheckResult::EaTtMissing: return "EX4ファイル(TT)が存在しません。";
    case EaCheckResult::LibraryWrong: return "DLLファイルが正しくありません。";
    case EaCheckResult::EaWrong: return "EX4ファイルが正しくありません。";
    case EaCheckResult::EaTtWrong: return "EX4ファイル(TT)が正しくありません。";
    default: return "状態は正常です";
    }
}

void SetupEaFiles(const TerminalFolderEntry& entry) {
    const EaFileSet targets = EaFileSetFor(entry);
    if (targets.library.empty()) return;
    const std::string source = ProgramFolderPath();
    CopyKeepingTheOld(source + LIBRARY_NAME, targets.library);
    CopyKeepingTheOld(source + EA_NAME, targets.ea);
    CopyKeepingTheOld(source + EA_TT_NAME, targets.eaTt);
}
