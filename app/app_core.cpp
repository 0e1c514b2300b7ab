#include "app/app_core.h"

#include "base/os.h"

CAppCore theCore;

CAppCore::CAppCore() {
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
    // The shell has released these before the core is reset; forget them so nothing dangles.
    m_gdiplusToken = 0;
    m_handCursor = nullptr;
    m_mainWnd = nullptr;
    m_listBox = nullptr;
    // Workers still playing are not stopped; only their handles are released.
    m_soundThreads.CloseAll();
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
