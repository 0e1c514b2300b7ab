#include "panel/corvane_dlg_win32.h"

#include <windowsx.h>

#include "app/app_core.h"
#include "app/window_placement_win32.h"
#include "metatrader/mailbox_writer.h"
#include "net/fetch_done_win32.h"
#include "net/fetched_feed.h"
#include "prefs/play_sound_file.h"
#include "prefs/sound_sink.h"
#include "resources/resource.h"

namespace {

// Page backgrounds by page number; pure white pixels are holes in the window.
constexpr int kPageArt[CCorvaneDlg::PAGE_COUNT] = {IDB_PAGE_CALENDAR, IDB_PAGE_LIST, IDB_PAGE_NEWS,
                                                   IDB_PAGE_NOTICES, IDB_PAGE_SIGNALS};
constexpr COLORREF kHoleColour = RGB(255, 255, 255);
constexpr int kBackBufferWidth = 300;
constexpr int kBackBufferHeight = 600;

struct ButtonPlace {
    int code;  // the bitmap's number, reported by the click
    int x;
    int y;
    int frames;
    bool tab;
};

constexpr ButtonPlace kButtons[CCorvaneDlg::BUTTON_COUNT] = {
    {IDB_HIDE, 216, 17, 3, false},
    {IDB_TITLE, 5, 16, 1, false},
    {IDB_TAB_INDICATORS, 4, 44, 4, true},
    {IDB_TAB_NEWS, 61, 44, 4, true},
    {IDB_TAB_NOTICES, 119, 44, 4, true},
    {IDB_PREVIOUS_MONTH, 42, 87, 3, false},
    {IDB_NEXT_MONTH, 188, 87, 3, false},
    {IDB_FOLD_CALENDAR, 220, 275, 3, false},
    {IDB_UNFOLD_CALENDAR, 220, 87, 3, false},
    {IDB_NOTICE_NEXT, 187, 294, 4, false},
    {IDB_NOTICE_MARK_READ, 97, 294, 4, false},
    {IDB_NOTICE_UNREAD, 56, 294, 4, false},
    {IDB_NOTICE_PREVIOUS, 10, 294, 4, false},
    {IDB_NEWS_NEXT, 187, 424, 4, false},
    {IDB_NEWS_PREVIOUS, 10, 424, 4, false},
};

struct ToolTipText {
    int code;
    const char* text;
};

constexpr ToolTipText kToolTips[] = {
    {IDB_HIDE, "非表示"},           {IDB_TITLE, "ホームページ"},
    {IDB_TAB_INDICATORS, "指標表示"}, {IDB_TAB_NEWS, "ニュース表示"},
    {IDB_TAB_NOTICES, "その他表示"},  {IDB_NOTICE_NEXT, "次へ"},
    {IDB_NOTICE_PREVIOUS, "前へ"},    {IDB_NOTICE_UNREAD, "未読表示"},
    {IDB_NOTICE_MARK_READ, "未読を既読へ"},
};

}  // namespace

CCorvaneDlg::CCorvaneDlg() : CDialog(IDD_PELIMOR_DIALOG), schedule_(theCore) {}

CCorvaneDlg::~CCorvaneDlg() = default;

bool CCorvaneDlg::OnInitDialog() {
    theCore.m_mainWnd = m_hWnd;
    downloads_ = std::make_unique<ServerDownloads>(PostFetchDoneTo(m_hWnd));
    backBuffer_.CreateBlank(kBackBufferWidth, kBackBufferHeight);
    LoadPageArt();
    LayOut();
    CreateButtons();
    SetWindowText("__QZ__PELIMOR");
    mailbox_.Create(m_hWnd, IDC_MAILBOX_ROOT1);
    // Topmost before the tooltip exists: Wine puts an owner that has topmost owned pop-ups (a
    // tooltip is one) just below them instead of making it topmost itself.
    MakeToolWindowTopmost();
    CreateToolTips();
    ArmTimers();
    StartFeedFetch(FEED_INDICATORS);
    StartFeedFetch(FEED_NEWS);
    StartFeedFetch(FEED_NOTICES);
    RestoreWindowPosition(m_hWnd);
    StartFeedFetch(FEED_ACCESS_REPORT);
    return true;
}

void CCorvaneDlg::LoadPageArt() {
    for (int page = 0; page < PAGE_COUNT; ++page) {
        pageArt_[page].Load(kPageArt[page]);
        pageArt_[page].MakeRegion(kHoleColour);
    }
}

void CCorvaneDlg::CreateButtons() {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        const ButtonPlace& place = kButtons[i];
        buttons_[i] = std::make_unique<CButtonWnd>();
        buttons_[i]->Create(this, place.code, place.x, place.y, place.frames, place.tab);
        if (place.tab) {
            tabGroup_.push_back(buttons_[i].get());
            buttons_[i]->SetGroup(&tabGroup_);
        }
    }
    for (CButtonWnd* tab : tabGroup_)
        if (tab->Code() == IDB_TAB_INDICATORS) tab->SelectInGroup(true);
}

void CCorvaneDlg::CreateToolTips() {
    toolTips_.Create(this);
    for (const ToolTipText& tip : kToolTips)
        for (const auto& button : buttons_)
            if (button->Code() == tip.code) toolTips_.AddTool(*button, tip.text);
}

void CCorvaneDlg::ArmTimers() {
    for (const TimerArming& timer : schedule_.Arm()) SetTimer(timer.id, timer.periodMilliseconds);
}

void CCorvaneDlg::StartFeedFetch(int kind) {
    FeedKind feed = static_cast<FeedKind>(kind);
    downloads_->StartFeedFetch(FeedUrl(feed), feed);
}

void CCorvaneDlg::MakeToolWindowTopmost() {
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CCorvaneDlg::LayOut() {
    const BitmapImage& art = pageArt_[theCore.m_page];
    SetWindowRgn(m_hWnd, nullptr, FALSE);
    SetWindowPos(nullptr, 0, 0, art.Width(), art.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (art.Region()) {
        // The window owns the region it is given: hand it a copy.
        HRGN copy = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(copy, art.Region(), nullptr, RGN_COPY);
        SetWindowRgn(m_hWnd, copy, TRUE);
    }
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CCorvaneDlg::Paint() {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(m_hWnd, &paint);
    pageArt_[theCore.m_page].Draw(backBuffer_.Dc(), 0, 0);
    const BitmapImage& art = pageArt_[theCore.m_page];
    backBuffer_.DrawPart(target, 0, 0, 0, 0, art.Width(), art.Height());
    EndPaint(m_hWnd, &paint);
}

LRESULT CCorvaneDlg::HitTest(LPARAM) {
    // While the left button is held anywhere else than on an active place, the system drags
    // the window.
    if (!(GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000))
        return HTCLIENT;
    return HTCAPTION;
}

void CCorvaneDlg::ShowPanelMenu() {
    POINT cursor;
    GetCursorPos(&cursor);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PANEL_MENU));
    if (!menu) return;
    int command = TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_NONOTIFY, cursor.x,
                                 cursor.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
    RunCommand(command);
}

void CCorvaneDlg::TogglePanel() { ShowWindow(IsWindowVisible() ? SW_HIDE : SW_SHOW); }

bool CCorvaneDlg::PreTranslateMessage(MSG& message) {
    toolTips_.RelayEvent(message);
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam == VK_RETURN) return true;
    if (message.wParam == VK_ESCAPE) {
        TogglePanel();
        return true;
    }
    return false;
}

bool CCorvaneDlg::OnCommand(WPARAM wParam, LPARAM) {
    RunCommand(LOWORD(wParam));
    return true;
}

bool CCorvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 0;
        return true;
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_NCHITTEST:
        result = HitTest(lParam);
        return true;
    case WM_RBUTTONDOWN:
        rightButtonPressed_ = true;
        SetCapture(m_hWnd);
        result = 0;
        return true;
    case WM_RBUTTONUP: {
        POINT cursor;
        GetCursorPos(&cursor);
        RECT window = GetWindowRect();
        ReleaseCapture();
        if (rightButtonPressed_ && PtInRect(&window, cursor)) ShowPanelMenu();
        result = 0;
        return true;
    }
    case WM_TIMER:
        OnTimer(wParam);
        result = 0;
        return true;
    case UM_SOUND_FINISHED:
        OnSoundFinished(static_cast<uint32_t>(wParam));
        result = 0;
        return true;
    case UM_FETCH_DONE:
        OnFetchDone();
        result = 0;
        return true;
    case WM_DESTROY:
        OnDestroy();
        return false;
    default:
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

void CCorvaneDlg::OnTimer(UINT_PTR id) {
    PerformTimerActions(schedule_.OnTimer(static_cast<unsigned>(id), SoundFilePlayer()));
}

void CCorvaneDlg::PerformTimerActions(const TimerActions& actions) {
    for (const TimerAction& action : actions) {
        switch (action.kind) {
        case TimerActionKind::StartFeedFetch:
            StartFeedFetch(action.value);
            break;
        case TimerActionKind::RedrawPanel:
            RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            break;
        case TimerActionKind::LayOutPanel:
            LayOut();
            break;
        case TimerActionKind::KillTimer:
            KillTimer(static_cast<UINT_PTR>(action.value));
            break;
        case TimerActionKind::RefreshMailbox:
            MailboxWriter(mailbox_, theCore.m_indicatorStore, theCore.m_ruleStore);
            break;
        default:
            break;
        }
    }
}

void CCorvaneDlg::OnFetchDone() {
    for (auto& request : downloads_->TakeFinishedFeeds()) HandleFetchedFeed(theCore, *request);
}

void CCorvaneDlg::OnDestroy() {
    StoreWindowPosition(m_hWnd);
    theCore.SaveAll();
    KillTimer(TIMER_SECOND);
    KillTimer(TIMER_MINUTE);
    theCore.m_mainWnd = nullptr;
}

void CCorvaneDlg::RunCommand(int command) {
    switch (command) {
    case ID_SHOW_HIDE:
        TogglePanel();
        break;
    case ID_EXIT:
        Quit();
        break;
    default:
        break;
    }
}

void CCorvaneDlg::Quit() { SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
