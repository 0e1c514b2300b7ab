// CCorvaneDlg: the panel. A borderless, topmost, shaped tool window run as a modal dialog; its
// face is the page background with the page views over it, its children are the picture
// buttons, the indicator list, the browser pane and the hidden mailbox windows. Its timers drive
// everything that happens over time.
#pragma once

#include <array>
#include <memory>

#include "app/timer_schedule.h"
#include "framework/dialog.h"
#include "framework/tool_tip_ctrl.h"
#include "net/server_downloads.h"
#include "panel/mailbox_windows_win32.h"
#include "views/bitmap_image.h"
#include "views/button_wnd.h"

class CCorvaneDlg : public CDialog {
public:
    CCorvaneDlg();
    ~CCorvaneDlg() override;

    static constexpr int PAGE_COUNT = 5;
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
    void CreateToolTips();
    void ArmTimers();
    void StartFeedFetch(int kind);
    void MakeToolWindowTopmost();

    // The window's outline and size follow the page.
    void LayOut();
    void Paint();
    LRESULT HitTest(LPARAM lParam);
    void ShowPanelMenu();
    void TogglePanel();

    // Messages.
    void OnTimer(UINT_PTR id);
    void PerformTimerActions(const TimerActions& actions);
    void OnFetchDone();
    void OnDestroy();

    // The menu commands.
    void RunCommand(int command);
    void EraseAndRefetchIndicators();
    void Quit();

    std::array<BitmapImage, PAGE_COUNT> pageArt_;
    BitmapImage backBuffer_;
    std::array<std::unique_ptr<CButtonWnd>, BUTTON_COUNT> buttons_;
    ButtonGroup tabGroup_;
    CToolTipCtrl toolTips_;
    MailboxWindows mailbox_;
    TimerSchedule schedule_;
    std::unique_ptr<ServerDownloads> downloads_;
    bool rightButtonPressed_ = false;
};
