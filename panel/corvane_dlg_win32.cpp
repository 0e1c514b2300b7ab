#include "panel/corvane_dlg_win32.h"

#include <windowsx.h>

#include "app/app_core.h"
#include "app/core_sound_player_win32.h"
#include "net/test_timings.h"
#include "app/update_check.h"
#include "base/byte_text.h"
#include "base/os.h"
#include "base/panel_window_titles.h"
#include "framework/private_messages.h"
#include "metatrader/mailbox_writer.h"
#include "metatrader/signal_copy_ea.h"
#include "panel/fetch_done_win32.h"
#include "panel/window_placement_win32.h"
#include "resources/resource.h"
#include "sound/sound_sink.h"
#include "views/html_pane_body.h"

namespace {

constexpr COLORREF HOLE_COLOUR = RGB(255, 255, 255);
constexpr int BACK_BUFFER_WIDTH = 300;
constexpr int BACK_BUFFER_HEIGHT = 600;

struct ButtonPlace {
    int code;  // the bitmap's number, reported by the click
    int x;
    int y;
    int frames;
    bool tab;
    int view;  // the page view the button shows and hides with, or -1 for the panel's own
};

constexpr ButtonPlace BUTTONS[CCorvaneDlg::BUTTON_COUNT] = {
    {IDB_HIDE, 216, 17, 3, false, -1},
    {IDB_TITLE, 5, 16, 1, false, -1},
    {IDB_TAB_INDICATORS, 4, 44, 4, true, -1},
    {IDB_TAB_NEWS, 61, 44, 4, true, -1},
    {IDB_TAB_NOTICES, 119, 44, 4, true, -1},
    {IDB_PREVIOUS_MONTH, 42, 87, 3, false, CALENDAR_VIEW},
    {IDB_NEXT_MONTH, 188, 87, 3, false, CALENDAR_VIEW},
    {IDB_FOLD_CALENDAR, 220, 275, 3, false, -1},
    {IDB_UNFOLD_CALENDAR, 220, 87, 3, false, -1},
    {IDB_NOTICE_NEXT, 187, 294, 4, false, NOTICE_VIEW},
    {IDB_NOTICE_MARK_READ, 97, 294, 4, false, NOTICE_VIEW},
    {IDB_NOTICE_UNREAD, 56, 294, 4, false, NOTICE_VIEW},
    {IDB_NOTICE_PREVIOUS, 10, 294, 4, false, NOTICE_VIEW},
    {IDB_NEWS_NEXT, 187, 424, 4, false, NEWS_VIEW},
    {IDB_NEWS_PREVIOUS, 10, 424, 4, false, NEWS_VIEW},
};

struct ToolTipText {
    int code;
    const char* text;
};

constexpr ToolTipText TOOL_TIPS[] = {
    {IDB_HIDE, "非表示"},
    {IDB_TITLE, "ホームページ"},
    {IDB_TAB_INDICATORS, "指標表示"},
    {IDB_TAB_NEWS, "ニュース表示"},
    {IDB_TAB_NOTICES, "その他表示"},
    {IDB_NOTICE_NEXT, "次へ"},
    {IDB_NOTICE_PREVIOUS, "前へ"},
    {IDB_NOTICE_UNREAD, "未読表示"},
    {IDB_NOTICE_MARK_READ, "未読を既読へ"},
};

}  // namespace

CCorvaneDlg::CCorvaneDlg()
    : CDialog(IDD_PELIMOR_DIALOG),
      views_{&calendar_, &index_, &news_, &notices_, &signals_},
      pages_(theCore, news_.Sheet(), notices_.Sheet(), signals_.Sheet()),
      schedule_(theCore),
      fetched_(theCore) {}

CCorvaneDlg::~CCorvaneDlg() = default;

bool CCorvaneDlg::OnInitDialog() {
    tray_.SetOwner(m_hWnd);
    commands_.SetPanel(m_hWnd);
    commands_.SetLeaveDesktop([this] { LeaveDesktop(); });
    downloads_ = std::make_unique<ServerDownloads>(PostFetchDoneTo(m_hWnd));
    // The silent check at start: its answer comes with UM_FETCH_DONE, the panel never waits.
    downloads_->StartUpdateCheck(false, CheckVersion);
    htmlPane_.Create(this);
    backBuffer_.CreateBlank(BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT);
    LoadPageArt();
    CreateButtons();
    SetWindowText(PANEL_WINDOW_TITLE);
    mailbox_.Create(m_hWnd, IDC_MAILBOX_ROOT1);
    list_.Setup(this);
    // The stored announcements of the day at once, so a panel without a network is useful too.
    list_.FillIndicatorList();
    AttachViewChildren();
    ApplyLayout();
    // Topmost before the tooltip exists: Wine puts an owner that has topmost owned pop-ups (a
    // tooltip is one) just below them instead of making it topmost itself.
    MakeToolWindowTopmost();
    CreateToolTips();
    tray_.AddTrayIcon();
    ArmTimers();
    StartFeedFetch(FEED_INDICATORS);
    StartFeedFetch(FEED_NEWS);
    StartFeedFetch(FEED_NOTICES);
    Perform(pages_.ShowIndicatorPage(true));
    RestoreWindowPosition(m_hWnd);
    theCore.m_signalCopyReady = CheckQzgi(theCore.m_signalCopyFolder);
    StartFeedFetch(FEED_ACCESS_REPORT);
    return true;
}

void CCorvaneDlg::LoadPageArt() {
    for (int page = 0; page < PANEL_PAGE_COUNT; ++page) {
        const int art = LayoutOfPage(page).art;
        if (!pageArt_[page].Load(art))
            Os().Trace(FormatText("page %d: its art (bitmap %d) cannot be loaded", page, art));
        else if (!pageArt_[page].MakeRegion(HOLE_COLOUR))
            Os().Trace(FormatText("page %d: no window shape can be made from its art", page));
    }
}

void CCorvaneDlg::CreateButtons() {
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        const ButtonPlace& place = BUTTONS[i];
        buttons_[i] = std::make_unique<CButtonWnd>();
        buttons_[i]->Create(this, place.code, place.x, place.y, place.frames, place.tab);
        if (place.tab) {
            tabGroup_.push_back(buttons_[i].get());
            buttons_[i]->SetGroup(&tabGroup_);
        }
    }
}

void CCorvaneDlg::AttachViewChildren() {
    for (int i = 0; i < BUTTON_COUNT; ++i)
        if (BUTTONS[i].view >= 0) views_[BUTTONS[i].view]->AddChild(buttons_[i].get());
    index_.AddChild(&list_);
}

CButtonWnd* CCorvaneDlg::Button(int code) const {
    for (const auto& button : buttons_)
        if (button->Code() == code) return button.get();
    return nullptr;
}

void CCorvaneDlg::CreateToolTips() {
    toolTips_.Create(this);
    for (const ToolTipText& tip : TOOL_TIPS)
        if (CButtonWnd* button = Button(tip.code)) toolTips_.AddTool(*button, tip.text);
}

void CCorvaneDlg::ArmTimers() {
    armedTimers_ = schedule_.Arm();
    for (const TimerArming& timer : armedTimers_)
        SetTimer(timer.id, timer.id == TIMER_MINUTE
                               ? MinuteTickMilliseconds(timer.periodMilliseconds)
                               : timer.periodMilliseconds);
}

void CCorvaneDlg::StartFeedFetch(int kind) {
    if (!downloads_) return;
    FeedKind feed = static_cast<FeedKind>(kind);
    downloads_->StartFeedFetch(FeedUrl(feed), feed);
}

void CCorvaneDlg::MakeToolWindowTopmost() {
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CCorvaneDlg::ApplyLayout() {
    const PageLayout layout = LayoutOfPage(theCore.m_page);
    ShapeWindow(pageArt_[theCore.m_page]);
    for (int view = 0; view < PANEL_VIEW_COUNT; ++view) {
        const ViewRect& place = layout.views[view];
        views_[view]->Place(m_hWnd, place.left, place.top, place.right - place.left,
                            place.bottom - place.top, layout.shown[view]);
        if (!layout.shown[view]) views_[view]->Hide();
    }
    list_.MoveWindow(layout.list.left, layout.list.top, layout.list.right - layout.list.left,
                     layout.list.bottom - layout.list.top);
    if (CButtonWnd* fold = Button(IDB_FOLD_CALENDAR))
        fold->ShowWindow(layout.foldShown ? SW_SHOW : SW_HIDE);
    if (CButtonWnd* unfold = Button(IDB_UNFOLD_CALENDAR))
        unfold->ShowWindow(layout.unfoldShown ? SW_SHOW : SW_HIDE);
    for (CButtonWnd* tab : tabGroup_)
        if (tab->Code() == layout.chosenTab || (layout.chosenTab == 0 && tab->Selected()))
            tab->SelectInGroup(layout.chosenTab != 0);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CCorvaneDlg::ShapeWindow(const BitmapImage& art) {
    SetWindowRgn(m_hWnd, nullptr, FALSE);
    SetWindowPos(nullptr, 0, 0, art.Width(), art.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!art.Region()) return;
    // The window owns the region it is given: hand it a copy.
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, art.Region(), nullptr, RGN_COPY);
    SetWindowRgn(m_hWnd, copy, TRUE);
}

void CCorvaneDlg::RefreshIndicatorPage() {
    if (list_.GetSafeHwnd()) {
        list_.FillIndicatorList();
    } else {
        theCore.m_selectedIndicator = 0;
    }
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CCorvaneDlg::PlaceHtmlPane() {
    // The body's place comes from the layout of the items, not from the last paint.
    news_.PlaceItems();
    HtmlPanePlace place = pages_.HtmlPane();
    htmlPane_.MoveTo(place.rect);
    if (place.rebuild)
        htmlPane_.Rebuild(HtmlPaneBody(theCore, news_.Sheet().SelectedItem(theCore.m_newsPage),
                                       notices_.Sheet().Current()));
}

void CCorvaneDlg::Paint() {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(m_hWnd, &paint);
    const BitmapImage& art = pageArt_[theCore.m_page];
    art.Draw(backBuffer_.Dc(), 0, 0);
    for (XHolderWnd* view : views_)
        if (view->Visible()) view->Draw(backBuffer_.Dc());
    htmlPane_.Draw(backBuffer_.Dc());
    backBuffer_.DrawPart(target, 0, 0, 0, 0, art.Width(), art.Height());
    EndPaint(m_hWnd, &paint);
}

void CCorvaneDlg::RedrawArea(const RECT& area) {
    RedrawWindow(&area, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CCorvaneDlg::HitTest(LPARAM lParam) {
    int x = GET_X_LPARAM(lParam);
    int y = GET_Y_LPARAM(lParam);
    int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (!(GetAsyncKeyState(button) & 0x8000) || calendar_.HitTest(x, y) || news_.HitTest(x, y))
        return HTCLIENT;
    // The left button is held elsewhere: the system drags the window.
    if (calendar_.Visible() && calendar_.HasHoverCell() && calendar_.OnMouseMove(x, y))
        RedrawArea(calendar_.Bounds());
    return HTCAPTION;
}

void CCorvaneDlg::OnMouse(UINT message, LPARAM) {
    POINT cursor;
    GetCursorPos(&cursor);
    for (XHolderWnd* view :
         {static_cast<XHolderWnd*>(&calendar_), static_cast<XHolderWnd*>(&news_)}) {
        bool changed = message == WM_MOUSEMOVE     ? view->OnMouseMove(cursor.x, cursor.y)
                       : message == WM_LBUTTONDOWN ? view->OnLButtonDown(cursor.x, cursor.y)
                                                   : view->OnLButtonUp(cursor.x, cursor.y);
        if (view == &calendar_ && calendar_.TakeDayChosen()) RefreshIndicatorPage();
        if (!changed) continue;
        RedrawArea(view->Bounds());
        // The pane shows the body of the news item just chosen.
        if (view == &news_ && message == WM_LBUTTONUP) PlaceHtmlPane();
        return;
    }
}

void CCorvaneDlg::TogglePanel() {
    const bool show = !IsWindowVisible();
    ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show) PlaceHtmlPane();
}

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
    int id = LOWORD(wParam);
    if (id == IDC_INDICATOR_LIST) {
        if (HIWORD(wParam) == LBN_SELCHANGE) {
            list_.TakeSelection();
            RedrawArea(index_.Bounds());
        }
        return true;
    }
    if (Button(id)) {
        Perform(pages_.OnButton(id));
        return true;
    }
    RunCommand(id);
    return true;
}

bool CCorvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_ERASEBKGND: return true;
    case WM_PAINT: Paint(); return true;
    case WM_NCHITTEST: result = HitTest(lParam); return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: OnMouse(message, lParam); return true;
    case WM_RBUTTONDOWN:
        rightButtonPressed_ = true;
        SetCapture(m_hWnd);
        return true;
    case WM_RBUTTONUP: {
        POINT cursor;
        GetCursorPos(&cursor);
        RECT window = GetWindowRect();
        ReleaseCapture();
        if (rightButtonPressed_ && PtInRect(&window, cursor)) ShowPanelMenu();
        return true;
    }
    case WM_TIMER: OnTimer(wParam); return true;
    case UM_SOUND_FINISHED: OnSoundFinished(static_cast<uint32_t>(wParam)); return true;
    case UM_TRAY_NOTIFY: OnTrayNotify(lParam); return true;
    case UM_FETCH_DONE: OnFetchDone(); return true;
    case WM_ENDSESSION:
        // Windows ends the process once this returns, without a WM_DESTROY: close the panel the
        // usual way now, so that everything is saved and the workers are let go in time.
        if (wParam) DestroyWindow();
        return true;
    case WM_DESTROY: OnDestroy(); return false;
    case WM_DISPLAYCHANGE: KeepWindowOnDesktop(m_hWnd); return true;
    default:
        // Explorer started again: the icon comes back now, not at the next minute's re-add.
        if (message == taskbarCreated_) {
            tray_.AddTrayIcon();
            return true;
        }
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

void CCorvaneDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_SECOND) htmlPane_.Poll();
    Perform(schedule_.OnTimer(static_cast<unsigned>(id), SoundFilePlayer()));
}

void CCorvaneDlg::OnFetchDone() {
    if (!downloads_) return;
    for (auto& request : downloads_->TakeFinishedFeeds()) Perform(fetched_.TakeFeed(*request));
    for (auto& poll : downloads_->TakeFinishedPolls()) Perform(fetched_.TakeServerPoll(*poll));
    for (auto& answer : downloads_->TakeFinishedUpdateChecks()) commands_.HoldUpdateAnswer(*answer);
    commands_.AskPendingUpdateQuestion();
}

void CCorvaneDlg::OnTrayNotify(LPARAM event) {
    PanelEffects response = tray_.OnNotify(event);
    if (commands_.DialogOpen()) response = TrayResponseWhileDialogOpen(response);
    Perform(response);
}

void CCorvaneDlg::OnDestroy() {
    StoreWindowPosition(m_hWnd);
    theCore.SaveAll();
    tray_.RemoveTrayIcon();
    for (const TimerArming& timer : armedTimers_) KillTimer(timer.id);
    // While the window still exists: downloads still running are cancelled, waited for at most
    // 3 s and otherwise let go, and none of them can post to this window afterwards.
    downloads_.reset();
}

void CCorvaneDlg::LeaveDesktop() {
    StoreWindowPosition(m_hWnd);
    tray_.RemoveTrayIcon();
}

void CCorvaneDlg::RunCommand(int command) {
    Perform(commands_.Run(command));
    commands_.AskPendingUpdateQuestion();
}

void CCorvaneDlg::ShowPanelMenu() {
    Perform(commands_.ShowPanelMenu());
    commands_.AskPendingUpdateQuestion();
}

void CCorvaneDlg::Perform(const PanelEffects& effects) {
    for (const PanelEffect& effect : effects) Perform(effect);
}

void CCorvaneDlg::Perform(const PanelEffect& effect) {
    switch (effect.kind) {
    case PanelEffectKind::TogglePanel: TogglePanel(); break;
    case PanelEffectKind::OpenPage:
        ShowWindow(SW_SHOW);
        ShowPage(effect.value);
        break;
    case PanelEffectKind::ShowPage: ShowPage(effect.value); break;
    case PanelEffectKind::LayOutPanel: ApplyLayout(); break;
    case PanelEffectKind::RefillIndicatorList: list_.FillIndicatorList(); break;
    case PanelEffectKind::RefreshIndicatorPage: RefreshIndicatorPage(); break;
    case PanelEffectKind::RedrawIndexView: RedrawArea(index_.Bounds()); break;
    case PanelEffectKind::RedrawPanel: RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW); break;
    case PanelEffectKind::PlaceHtmlPane: PlaceHtmlPane(); break;
    case PanelEffectKind::ShowMenu: ShowPanelMenu(); break;
    case PanelEffectKind::BringDialogToFront: commands_.BringDialogToFront(); break;
    case PanelEffectKind::Quit: Quit(); break;
    case PanelEffectKind::AddTrayIcon: tray_.AddTrayIcon(); break;
    case PanelEffectKind::ShowBalloon:
        tray_.ShowBalloon(effect.balloon.kind, effect.balloon.title, effect.balloon.text,
                          effect.balloon.timeout);
        break;
    case PanelEffectKind::PlaySoundCue: SoundFilePlayer().Play(effect.sound); break;
    case PanelEffectKind::StartFeedFetch: StartFeedFetch(effect.value); break;
    case PanelEffectKind::StartUpdateCheck:
        if (downloads_) downloads_->StartUpdateCheck(true, CheckVersion);
        break;
    case PanelEffectKind::ServerPoll:
        if (downloads_) downloads_->StartServerPoll(theCore.m_serverPoll.lastCounter);
        break;
    case PanelEffectKind::AfterServerPoll:
        Perform(schedule_.AfterServerPoll(effect.value != 0));
        break;
    case PanelEffectKind::KillTimer: KillTimer(static_cast<UINT_PTR>(effect.value)); break;
    case PanelEffectKind::RefreshMailbox:
        MailboxWriter(mailbox_, theCore.m_indicatorStore, theCore.m_ruleStore);
        break;
    }
}

// The pages that show news, notices or signals have a page operation of their own; any other
// page (a balloon of no known kind) leaves the page as it is.
void CCorvaneDlg::ShowPage(int page) {
    if (page == PAGE_NEWS) Perform(pages_.ShowNewsPage());
    if (page == PAGE_NOTICES) Perform(pages_.ShowNoticePage());
    if (page == PAGE_SIGNALS) Perform(pages_.ShowSignalPage());
}

void CCorvaneDlg::Quit() { SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
