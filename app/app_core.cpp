#include "app/app_core.h"

#include <string>

#include "app/settings_file.h"
#include "base/line_file.h"
#include "base/os.h"
#include "base/panel_and_updater.h"
#include "store/local_files.h"
#include "update/interrupted_update.h"

namespace {
const char ALREADY_RUNNING_MESSAGE[] = "既にツールが起動しています。";
}  // namespace

CAppCore theCore;

CAppCore::CAppCore() {
    m_indicatorStore.SetIdsTakenElsewhere(
        [this](int32_t id) { return m_ruleStore.FindRule(id) != nullptr; });
    m_calendarDate = LocalDateOf(Os().Now());
    m_lastSeenDate = m_calendarDate;
    Reset();
}

CAppCore::~CAppCore() { Reset(); }

void CAppCore::SetDefaults() {
    m_fileVersion = 0;
    m_windowLeft = 0;
    m_windowTop = 0;
    m_autoNotifyRank = 0;
    m_autoClockAdjust = true;
    m_newsSound = true;
    m_newsBalloon = true;
    m_noticeSound = true;
    m_noticeBalloon = true;
    m_nextIndicatorId = 0;
    m_termsAcceptedAt = 0;
    m_avoidSoundErrors = 0;
    UseDefaultSounds(SoundMode::MediaPlayer);
    m_eventMask = ALL_EVENTS_MASK;
    m_pairFirst.fill(-1);
    m_pairSecond.fill(1);
    m_noticeCheckedAt = 0;
    m_newsCheckedAt = 0;
    m_spareTime = 0;
    m_updatedAt = 0;
}

void CAppCore::Reset() {
    m_page = 0;
    m_newsPage = 0;
    m_selectedIndicator = 0;
    SetDefaults();
    m_indicatorStore.Clear();
    m_newsStore.Clear();
    m_noticeStore.Clear();
    m_serverPoll = ServerPollState{};
    // Workers still playing are not stopped; only their handles are released.
    m_mediaWorkers.threads.CloseAll();
    if (m_instanceMutex) {
        Os().ReleaseInstanceLock();
        m_instanceMutex = false;
    }
}

bool CAppCore::IsEventEnabled(int event) const {
    return event >= 0 && event < ALERT_EVENT_COUNT && (m_eventMask >> event & 1u) != 0;
}

void CAppCore::SetEventEnabled(int event, bool on) {
    if (event < 0 || event >= ALERT_EVENT_COUNT) return;
    uint32_t bit = 1u << event;
    m_eventMask = on ? m_eventMask | bit : m_eventMask & ~bit;
}

void CAppCore::UseDefaultSounds(SoundMode mode) {
    for (int event = 0; event < ALERT_EVENT_COUNT; ++event)
        m_soundFiles[event] = DefaultSoundFile(event, mode);
}

bool CAppCore::Startup(const std::string& commandLine) {
    if (!Os().AcquireInstanceLock(PANEL_INSTANCE_LOCK_NAME)) {
        Os().AskUser(ALREADY_RUNNING_MESSAGE, MessageKind::Ok);
        return false;
    }
    m_instanceMutex = true;
    // Before any file is read: a killed updater may have left the program half replaced.
    EndInterruptedUpdate(ProgramFolderPath());

    // Tested before anything writes the settings file: LoadAll below always writes one.
    const bool noSettings = !Os().PathExists(SettingsFilePath());
    LoadAll();
    // A start that ended at the terms wrote the file all the same: the first run is the first
    // start that passes the terms, so a file without an acceptance still counts as none.
    m_firstRun = noSettings || m_termsAcceptedAt == 0;

    if (commandLine == STARTED_BY_UPDATER) {
        m_updatedAt = Os().Now();
        SaveSettings();
    }
    // The silent update check follows once the panel is up, on a worker thread: it never holds
    // up the start, and m_updatedAt is saved before it begins.
    return true;
}

void CAppCore::LoadAll() {
    LoadSettings();
    // The rules first: a record loaded without an id gets a new one, which must not be an id a
    // rule still carries.
    m_ruleStore.LoadRules();
    m_indicatorStore.Load(IndicatorFilePath(), m_nextIndicatorId);
    m_noticeStore.Load();
    m_newsStore.Load();
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

void CAppCore::LoadSettings() { ApplySettingsLines(ReadLineFile(SettingsFilePath()), *this); }

bool CAppCore::SaveSettings() const {
    return WriteLineFile(SettingsFilePath(), FormatSettingsLines(*this));
}
