#include "views/indicator_row_win32.h"

#include <windowsx.h>

#include <string>

#include "app/app_core.h"
#include "base/local_time.h"
#include "base/os.h"
#include "resources/resource.h"
#include "store/local_files.h"
#include "base/byte_text.h"
#include "views/day_indicators.h"
#include "views/indicator_row.h"
#include "views/name_fit.h"
#include "views/time_fit.h"

namespace {

constexpr int ROW_HEIGHT = 24;
constexpr int BACKGROUND_WIDTH = 300;
constexpr int BACKGROUND_HEIGHT = 200;
constexpr int BACKGROUND_TILE_ROWS = 15;
constexpr int BACKGROUND_TILE_COLUMNS = 30;
constexpr int FONT_TENTHS_OF_POINT = 100;
constexpr COLORREF TEXT_WHITE = RGB(255, 255, 255);
constexpr COLORREF HIGHLIGHT_RED = RGB(255, 0, 0);
constexpr COLORREF SELECTION_BAR = RGB(239, 239, 239);
// Row layout, from the row's left edge.
constexpr int CHECK_BOX_X = 4;
constexpr int CHECK_BOX_Y = 3;
constexpr int SELECTION_BAR_X = 86;
constexpr int SELECTION_BAR_Y = 4;

ULONG_PTR ItemDataOf(int32_t id) { return static_cast<ULONG_PTR>(static_cast<uint32_t>(id)); }

// 0 for the empty row and for the answer to a bad row index.
int32_t IdOfItemData(ULONG_PTR data) {
    if (data == static_cast<ULONG_PTR>(LB_ERR)) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(data));
}

// "ＭＳ Ｐゴシック" at a size in tenths of a point on the screen.
HFONT CreateListFont(int tenthsOfPoint) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(tenthsOfPoint, GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY), 720);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

void DrawText(HDC dc, int x, int y, const std::string& text) {
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

int TextWidthIn(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TextWidthIn(HDC dc, HFONT font, const std::string& text) {
    HGDIOBJ previous = SelectObject(dc, font);
    int width = TextWidthIn(dc, text);
    SelectObject(dc, previous);
    return width;
}

}  // namespace

bool CIndexList2::Setup(CWnd* panel) {
    if (!SubclassDlgItem(IDC_INDICATOR_LIST, panel)) return false;
    LoadPictures();
    timeFonts_.clear();
    for (int size : TimeFontSizes()) timeFonts_.emplace_back(CreateListFont(size));
    nameFont_.Reset(CreateListFont(FONT_TENTHS_OF_POINT));
    ResetContent();
    AddRow(0);
    return true;
}

void CIndexList2::LoadPictures() {
    tile_.Load(IDB_LIST_TILE);
    checkBox_.Load(IDB_CHECK_BOX);
    if (background_.CreateBlank(BACKGROUND_WIDTH, BACKGROUND_HEIGHT) && !tile_.Empty()) {
        for (int row = 0; row < BACKGROUND_TILE_ROWS; ++row) {
            for (int column = 0; column < BACKGROUND_TILE_COLUMNS; ++column) {
                tile_.Draw(background_.Dc(), column * tile_.Width(), row * tile_.Height());
            }
        }
    }
    for (int country = 0; country < FLAG_COUNT; ++country) {
        flags_[static_cast<size_t>(country)].Load(FLAG_BITMAP_IDS[static_cast<size_t>(country)]);
    }
}

void CIndexList2::AddRow(int32_t id) const {
    int row = AddString("");
    if (row >= 0) SetItemData(row, ItemDataOf(id));
}

void CIndexList2::FillIndicatorList() {
    ResetContent();
    for (int32_t id : IndicatorIdsOn(theCore.m_indicatorStore, theCore.m_calendarDate)) AddRow(id);
    if (GetCount() == 0) AddRow(0);
    TakeSelection();
}

void CIndexList2::TakeSelection() const {
    int row = GetCurSel();
    theCore.m_selectedIndicator = row == LB_ERR ? 0 : IdOfItemData(GetItemData(row));
}

void CIndexList2::MeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = ROW_HEIGHT; }

void CIndexList2::DrawItem(DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    int32_t id = IdOfItemData(item.itemData);
    if (id == 0) return;
    const RECT& row = item.rcItem;
    const IndicatorRecord* record = theCore.m_indicatorStore.FindById(id);
    if (!record) {
        // The announcement has left the store since the list was filled: a blank row.
        background_.DrawPart(item.hDC, row.left, row.top, row.left, row.top, row.right - row.left,
                             row.bottom - row.top);
        return;
    }
    DrawRow(item, *record);
}

void CIndexList2::DrawRow(const DRAWITEMSTRUCT& item, const IndicatorRecord& record) const {
    HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    int x = row.left;
    int top = row.top;
    int previousMode = SetBkMode(dc, TRANSPARENT);
    background_.DrawPart(dc, x, top, x, top, row.right - x, row.bottom - top);

    int boxHeight = checkBox_.Height() / 2;
    checkBox_.DrawPart(dc, x + CHECK_BOX_X, top + CHECK_BOX_Y, 0, record.notify ? boxHeight : 0,
                       checkBox_.Width(), boxHeight);

    IndicatorRowPlaces places =
        IndicatorRowPlacesAt(x, top, row.bottom - top, GetClientRect().right);
    HGDIOBJ previousFont = GetCurrentObject(dc, OBJ_FONT);
    SetTextColor(dc, TEXT_WHITE);
    LocalTime local = ToLocalTime(record.when);
    DrawTime(dc, places.time, FormatText("%02d:%02d", local.hour, local.minute));

    if (record.country >= 0 && record.country < FLAG_COUNT) {
        flags_[static_cast<size_t>(record.country)].Draw(dc, places.flag.left, places.flag.top);
    }

    DrawName(dc, item, record, places.name);
    SelectObject(dc, previousFont);
    SetBkMode(dc, previousMode);
}

void CIndexList2::DrawTime(HDC dc, const ViewRect& place, const std::string& time) const {
    const std::vector<int>& sizes = TimeFontSizes();
    auto fontOf = [this, &sizes](int size) {
        for (size_t at = 0; at < sizes.size(); ++at) {
            if (sizes[at] == size) return timeFonts_[at].Get();
        }
        return static_cast<HFONT>(nullptr);
    };
    const int size = TimeFontSizeFor(time, place.Width(), sizes,
                                     [dc, &fontOf](const std::string& text, int tenths) {
                                         return TextWidthIn(dc, fontOf(tenths), text);
                                     });
    HFONT font = fontOf(size);
    SelectObject(dc, font);
    const int width = TextWidthIn(dc, time);
    if (size != tracedTimeSize_) {
        // What the list chose is not visible in a screenshot's pixels alone: a trace line says
        // it once for every change of size.
        tracedTimeSize_ = size;
        Os().Trace(FormatText("indicator list: time %s at %d.%d pt, %d of %d pixels", time.c_str(),
                              size / 10, size % 10, width, place.Width()));
    }
    // The smaller size stands on the same baseline as the name beside it.
    TEXTMETRICA drawn{};
    GetTextMetricsA(dc, &drawn);
    HGDIOBJ previous = SelectObject(dc, nameFont_.Get());
    TEXTMETRICA name{};
    GetTextMetricsA(dc, &name);
    SelectObject(dc, previous);
    RECT rect{place.left, place.top + static_cast<LONG>(name.tmAscent - drawn.tmAscent),
              place.right, place.bottom};
    DrawTextA(dc, time.c_str(), static_cast<int>(time.size()), &rect,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void CIndexList2::DrawName(HDC dc, const DRAWITEMSTRUCT& item, const IndicatorRecord& record,
                           const ViewRect& place) const {
    const RECT& row = item.rcItem;
    int x = row.left;
    RECT client = GetClientRect();
    SelectObject(dc, nameFont_.Get());
    int limit = place.Width();
    // The name ends at its first NUL, as every program text does.
    std::string name = FitNameToWidth(record.name.c_str(), limit, [dc](const std::string& text) {
        return TextWidthIn(dc, text);
    });
    if (item.itemState & ODS_SELECTED) {
        RECT bar{x + SELECTION_BAR_X, row.top + SELECTION_BAR_Y, client.right - 4, row.bottom - 6};
        FillSolidRect(dc, bar, SELECTION_BAR);
        SetTextColor(dc, RGB(0, 0, 0));
    } else if (record.highlight != 0) {
        SetTextColor(dc, HIGHLIGHT_RED);
    }
    DrawText(dc, place.left, place.top, name);
}

bool CIndexList2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client = GetClientRect();
        background_.DrawPart(reinterpret_cast<HDC>(wParam), 0, 0, 0, 0, client.right,
                             client.bottom);
        result = TRUE;
        return true;
    }
    case WM_LBUTTONDOWN:
        OnButtonDown(lParam);
        return false;  // the list box goes on to select the row
    case WM_LBUTTONUP: OnButtonUp(); return false;
    default: return false;
    }
}

void CIndexList2::OnButtonDown(LPARAM point) {
    POINT client{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    bool outside = true;
    int row = GetCount() > 0 ? ItemFromPoint(client, outside) : CheckBoxClick::NO_ROW;
    click_.ButtonDown(client.x, outside ? CheckBoxClick::NO_ROW : row);
}

void CIndexList2::OnButtonUp() {
    int selected = GetCurSel();
    int row = click_.ButtonUp(selected == LB_ERR ? CheckBoxClick::NO_ROW : selected);
    if (row == CheckBoxClick::NO_ROW) return;
    if (!ToggleNotification(theCore.m_indicatorStore, IdOfItemData(GetItemData(row)),
                            IndicatorFilePath())) {
        return;
    }
    // Show the new state at once rather than at the row's next redraw.
    RECT rect = GetItemRect(row);
    InvalidateRect(m_hWnd, &rect, FALSE);
}
