// IndexHolder: the indicator page's detail area around the indicator list (its child): the
// title, the clock to the minute, and the details of the announcement selected in the list
// (the core's m_selectedIndicator). It takes no mouse input.
#pragma once

#include "views/holder_wnd_win32.h"
#include "views/indicator_details.h"

class IndexHolder : public XHolderWnd {
public:
    IndexHolder();

    void Layout() override;
    void Draw(HDC dc) override;

private:
    IndicatorDetails details_;
    ViewFont titleFont_;
    ViewFont clockFont_;
    ViewFont detailFont_;
};
