#include "metatrader_dialogs/ea_setup_fields.h"

#include "metatrader/ea_deployment.h"

namespace {
constexpr const char* VERIFIED =
    "状態検証が完了しました。\n各インストール先の下部に状態が表示されます。\n";
constexpr const char* INSTALLED =
    "ファイルの導入が完了しました。\nこの後必ずMT4にて、該当EAを有効にして下さい。\n";
}  // namespace

EaSetupReport VerifyEaFolders(const TerminalFolderFields& fields, bool tellUser) {
    EaSetupReport report;
    for (size_t row = 0; row < fields.size(); ++row)
        report.statusTexts[row] = EaCheckText(CheckEaFiles(EaFileSetFor(fields[row])));
    if (tellUser) report.notices.push_back(VERIFIED);
    return report;
}

EaSetupReport InstallEaFiles(const TerminalFolderFields& fields) {
    for (const std::string& field : fields) SetupEaFiles(field);
    EaSetupReport report = VerifyEaFolders(fields, true);
    report.notices.push_back(INSTALLED);
    return report;
}

void StoreTerminalFolders(CAppCore& core, const TerminalFolderFields& fields) {
    core.m_terminalFolders = fields;
    core.SaveSettings();
}
