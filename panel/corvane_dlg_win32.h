// CCorvaneDlg: the panel. A borderless, topmost, shaped tool window run as a modal dialog; its
// face is the page background with the page views over it, its children are the picture
// buttons, the indicator list, the browser pane and the hidden mailbox windows. Its timers drive
// everything that happens over time.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "app/fetched_data.h"
#include "app/timer_schedule.h"
#include "framework/dialog.h"
#include "framework/tool_tip_ctrl.h"
#include "net/server_downloads.h"
#include "app/update_check.h"
#include "panel/mailbox_windows_win32.h"
#include "panel/panel_command_router_win32.h"
#include "panel/page_layout.h"
#include "panel/panel_pages.h"
#include "panel/tray_icon_win32.h"
#include "views/bitmap_image_win32.h"
#include "views/button_state_win32.h"
#include "views/calendar_sheet_win32.h"
#include "views/html_pane_win32.h"
#include "views/indicator_details_win32.h"
#include "views/indicator_row_win32.h"
#include "views/news_sheet_win32.h"
#include "views/notice_sheet_win32.h"
#include "views/signal_sheet_win32.h"

class CCorvaneDlg : public CDialog {
public:
    CCorvaneDlg();
    ~CCorvaneDlg() override;

    static constexpr int BUTTON_COUNT = 15;

protected:
    bool OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG& message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Initialisation steps.
    void LoadPageArt();
    void CreateButtons();
    void AttachViewChildren();
    void CreateToolTips();
    void ArmTimers();
    void StartFeedFetch(int kind);
    void MakeToolWindowTopmost();

    // The page: outline, size and the places of views, list and buttons.
    void ApplyLayout();
    void ShapeWindow(const BitmapImage& art);
    // Refills the indicator list for the calendar date, takes its selection into
    // m_selectedIndicator and repaints the whole panel: what follows every change of the
    // calendar date (a day click, the change of day, a new feed).
    void RefreshIndicatorPage();
    void PlaceHtmlPane();
    void Paint();
    void RedrawArea(const RECT& area);
    LRESULT HitTest(LPARAM lParam);
    void OnMouse(UINT message, LPARAM lParam);
    void TogglePanel();
    CButtonWnd* Button(int code) const;

    // Messages.
    void OnTimer(UINT_PTR id);
    void OnFetchDone();
    void OnTrayNotify(LPARAM event);
    void OnDestroy();
    // Before the process ends for the updater: the position kept, the tray icon taken away.
    void LeaveDesktop();

    // The menu commands run through commands_; their effects are performed here, then an update
    // question that waited for a dialog is asked.
    void RunCommand(int command);
    void ShowPanelMenu();
    void Quit();

    // Carries out what a page operation, command, tray event, download or timer decided, in order.
    void Perform(const PanelEffects& effects);
    void Perform(const PanelEffect& effect);
    void ShowPage(int page);

    std::array<BitmapImage, PANEL_PAGE_COUNT> pageArt_;
    BitmapImage backBuffer_;
    std::array<std::unique_ptr<CButtonWnd>, BUTTON_COUNT> buttons_;
    ButtonGroup tabGroup_;
    CToolTipCtrl toolTips_;
    MailboxWindows mailbox_;

    // The page views, in the order they are painted.
    CalendarHolder calendar_;
    IndexHolder index_;
    NewsHolder news_;
    EtcHolder notices_;
    SignalHolder signals_;
    std::array<XHolderWnd*, PANEL_VIEW_COUNT> views_;
    CIndexList2 list_;
    CHtmlPane htmlPane_;

    PanelPages pages_;
    TimerSchedule schedule_;
    FetchedData fetched_;
    CTrayIcon tray_;
    // What the shell broadcasts when Explorer has started again and forgotten every tray icon.
    const UINT taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    std::vector<TimerArming> armedTimers_;
    // Null once the window is being destroyed: nothing may start or take a download then.
    std::unique_ptr<ServerDownloads> downloads_;
    PanelCommandRouter commands_;
    bool rightButtonPressed_ = false;
};
