// The application core: the one object that holds the state outliving any window or dialog.
//
// It keeps the user's settings (saved in "iasetting.dat"), owns the data stores and holds the
// run-time fields that the panel and its views share. Only the user-interface thread touches it;
// the one exception is the media workers' alias counter, which sound threads advance atomically.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/alert_events.h"
#include "base/calendar_date.h"
#include "metatrader/auto_trade_rule_store.h"
#include "metatrader/server_poll_state.h"
#include "sound/media_workers.h"
#include "store/indicator_store.h"
#include "store/news_store.h"

class CAppCore {
public:
    static constexpr int PAIR_COUNT = 99;
    static constexpr int TERMINAL_FOLDER_COUNT = 3;
    // Every settings file is written with this format version: the program's release number
    // (3100 unless a release is built with another PELIMOR_PROGRAM_VERSION).
    static constexpr int32_t SETTINGS_VERSION = PELIMOR_PROGRAM_VERSION;
    // Settings files of this version or older were written beside notices that must be fetched
    // afresh.
    static constexpr int32_t LAST_STALE_NOTICE_VERSION = 1006;

    CAppCore();
    ~CAppCore();
    CAppCore(const CAppCore&) = delete;
    CAppCore& operator=(const CAppCore&) = delete;

    // Puts every persisted setting to its default; the folder settings stay as they are.
    void SetDefaults();
    // Back to the state after construction: defaults, first page, the indicator, news and
    // notice stores and the server poll's maps empty (the auto-trade rules stay), and the
    // single-instance lock released.
    void Reset();

    bool IsEventEnabled(int event) const;
    void SetEventEnabled(int event, bool on);
    // Sets all 23 sound files to the default sounds of the mode.
    void UseDefaultSounds(SoundMode mode);

    // Start-up: refuses to run beside another instance (tells the user and returns false),
    // notes a first run (no settings file, or one without an acceptance of the terms), loads and
    // rewrites every file, and records a start by the updater (command line exactly "byupdater").
    bool Startup(const std::string& commandLine);

    // Reads every persisted file (the settings, then the auto-trade rules, indicators, notices
    // and news), then writes them all back in the current format. A new indicator id is never
    // one that an auto-trade rule carries.
    void LoadAll();
    // Writes the settings, the indicators, the notices, the news and the auto-trade rules.
    void SaveAll();

    // The settings file "iasetting.dat". Loading keeps the current values where the file holds
    // nothing; saving replaces the file whole and reports whether it could.
    void LoadSettings();
    bool SaveSettings() const;

    // --- Persisted settings -------------------------------------------------------------------
    int32_t m_fileVersion = 0;  // as read from the settings file
    int32_t m_windowLeft = 0;
    int32_t m_windowTop = 0;
    int32_t m_autoNotifyRank = 0;
    bool m_autoClockAdjust = true;  // half-hourly refresh of the indicator list
    bool m_newsSound = true;
    bool m_newsBalloon = true;
    bool m_noticeSound = true;
    bool m_noticeBalloon = true;
    int32_t m_nextIndicatorId = 0;
    int32_t m_termsAcceptedAt = 0;   // seconds since 1970; 0 = never
    int32_t m_avoidSoundErrors = 0;  // non-zero: the simple player (WAV only)
    std::array<std::string, ALERT_EVENT_COUNT> m_soundFiles;
    uint32_t m_eventMask = ALL_EVENTS_MASK;
    std::array<int32_t, PAIR_COUNT> m_pairFirst{};   // trader ids from the server poll
    std::array<int32_t, PAIR_COUNT> m_pairSecond{};  // only carried through the file
    int64_t m_noticeCheckedAt = 0;
    int64_t m_newsCheckedAt = 0;
    int64_t m_spareTime = 0;  // only carried through the file
    int64_t m_updatedAt = 0;  // last start by the updater
    std::array<std::string, TERMINAL_FOLDER_COUNT> m_terminalFolders;
    std::vector<std::string> m_foundTerminalFolders;
    std::string m_signalCopyFolder;

    // --- Stores -------------------------------------------------------------------------------
    IndicatorStore m_indicatorStore;
    NewsStore m_noticeStore{false};
    NewsStore m_newsStore{true};
    AutoTradeRuleStore m_ruleStore;

    // --- Run-time fields ----------------------------------------------------------------------
    CalendarDate m_calendarDate;  // the day the calendar shows; today when the core is built
    CalendarDate m_lastSeenDate;  // the local date at the previous second tick
    // The settings file was missing at start-up, or no start has passed the terms yet.
    bool m_firstRun = false;
    int m_page = 0;      // panel page, 0 to 4
    int m_newsPage = 0;  // shown page of five news items
    // The announcement selected in the indicator list, by id so that it survives the store's
    // reloads (a record that is gone selects nothing); 0 = none.
    int32_t m_selectedIndicator = 0;
    int32_t m_signalCopyReady = 0;  // last check of the signal-copy file; 0 before the first
    ServerPollState m_serverPoll;   // trade signals, messages and trader names from the server
    MediaWorkers m_mediaWorkers;    // the alias counter and the media-player workers still playing
    // True while this process holds the single-instance lock (the OS seam keeps the handle).
    bool m_instanceMutex = false;
};

// The one application core.
extern CAppCore theCore;
