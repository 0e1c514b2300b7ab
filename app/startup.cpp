// Start-up of the core and the loading and saving of every persisted file.
#include <string>

#include "app/app_core.h"
#include "app/os.h"
#include "store/local_files.h"

namespace {
const char kInstanceLockName[] = "IAQZ___MUTEX";
const char kAlreadyRunningMessage[] = "既にツールが起動しています。";
// The updater starts the program with exactly this command line after an update.
const char kStartedByUpdater[] = "byupdater";
}  // namespace

bool CAppCore::Startup(const std::string& commandLine) {
    if (!Os().AcquireInstanceLock(kInstanceLockName)) {
        Os().AskUser(kAlreadyRunningMessage, MessageKind::Ok);
        return false;
    }
    m_instanceMutex = true;

    // Tested before anything writes the settings file: LoadAll below always writes one.
    m_firstRun = !Os().PathExists(SettingsFilePath());
    LoadAll();

    if (commandLine == kStartedByUpdater) {
        m_updatedAt = Os().Now();
        SaveSettings();
    }
    // The silent update check runs here, once every file has been loaded and rewritten.
    return true;
}

void CAppCore::LoadAll() {
    LoadSettings();
    m_indicatorStore.Load(IndicatorFilePath(), m_nextIndicatorId);
    m_noticeStore.Load();
    m_newsStore.Load();
    m_ruleStore.LoadRules();
    // Also true on a first start, whose version reads as 0.
    if (m_fileVersion <= LAST_STALE_NOTICE_VERSION) m_noticeStore.Clear();
    SaveAll();
}

void CAppCore::SaveAll() {
    SaveSettings();
    m_indicatorStore.Save(IndicatorFilePath());
    m_noticeStore.Save();
    m_newsStore.Save();
    m_ruleStore.SaveRules();
}
