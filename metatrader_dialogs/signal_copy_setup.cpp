#include "metatrader_dialogs/signal_copy_setup.h"

#include "metatrader/signal_copy_ea.h"

std::string SignalCopyStatus(const TerminalFolderEntry& field) {
    return QzgiCheckText(CheckQzgi(field));
}

std::string InstallSignalCopyEa(const TerminalFolderEntry& field) {
    SetupQzgi(field);
    return SignalCopyStatus(field);
}

void StoreSignalCopyFolder(CAppCore& core, const TerminalFolderEntry& field) {
    core.m_signalCopyFolder = field;
    core.SaveSettings();
    core.m_signalCopyReady = CheckQzgi(core.m_signalCopyFolder);
}
