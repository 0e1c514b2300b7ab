// CIndexList2: the indicator list of the indicator page, the panel's owner-drawn list box
// (control 1002). It lists the announcements of the calendar date, one 24-pixel row each with
// the notification check box, the time, the country's flag and the name (cut with "..." to the
// row, red when highlighted), on a tiled background. A day without announcements shows one
// empty row.
//
// Each row's item data is the announcement's id in the core's indicator store (0 for the empty
// row), so a row never points into a store that has been reloaded since the list was filled.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/gdi_handles.h"
#include "framework/list_box.h"
#include "views/bitmap_image_win32.h"
#include "views/check_box_click.h"
#include "views/flag_bitmaps.h"
#include "views/view_rect.h"

class CIndexList2 : public CListBox {
public:
    CIndexList2() = default;

    // Takes over the panel's list control, loads the pictures and fonts and leaves the one empty
    // row. False when the panel has no such control.
    bool Setup(CWnd* panel);

    // The rows of the core's calendar date, in time order; then the (now empty) selection goes
    // into m_selectedIndicator.
    void FillIndicatorList();
    // m_selectedIndicator := the id of the selected row, 0 when none (the panel calls this when
    // the list reports LBN_SELCHANGE).
    void TakeSelection() const;

    void DrawItem(DRAWITEMSTRUCT& item) override;
    void MeasureItem(MEASUREITEMSTRUCT& item) override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void LoadPictures();
    void AddRow(int32_t id) const;
    void DrawRow(const DRAWITEMSTRUCT& item, const IndicatorRecord& record) const;
    // The time whole, in the largest of the time sizes at which it fits its place.
    void DrawTime(HDC dc, const ViewRect& place, const std::string& time) const;
    void DrawName(HDC dc, const DRAWITEMSTRUCT& item, const IndicatorRecord& record,
                  const ViewRect& place) const;
    void OnButtonDown(LPARAM point);
    void OnButtonUp();

    BitmapImage tile_;
    BitmapImage background_;
    BitmapImage checkBox_;  // upper half empty, lower half ticked
    std::array<BitmapImage, FLAG_COUNT> flags_;
    std::vector<OwnedFont> timeFonts_;  // one for each of TimeFontSizes()
    OwnedFont nameFont_;
    mutable int tracedTimeSize_ = 0;
    CheckBoxClick click_;
};
