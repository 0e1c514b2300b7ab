// CButtonWnd: a button that is a picture. Its bitmap is a vertical strip of frames (normal,
// under the pointer, pressed, chosen tab; see ButtonState), the pointer over it is a hand, and
// a click is reported to the parent window as WM_COMMAND with the button's code (the number of
// its bitmap) as the command id and BN_CLICKED as the notification, as a push button reports.
//
// The page tabs form a group: the clicked tab shows itself chosen and the others not.
#pragma once

#include <vector>

#include "framework/wnd.h"
#include "views/bitmap_image_win32.h"
#include "views/button_state.h"

class CButtonWnd;
using ButtonGroup = std::vector<CButtonWnd*>;

class CButtonWnd : public CWnd {
public:
    CButtonWnd() = default;

    // A visible child of parent with its top-left corner at (x, y), as wide as the bitmap and
    // one frame high. A bitmap that cannot be loaded gives an empty 0 x 0 button.
    bool Create(CWnd* parent, int resourceId, int x, int y, int frames, bool grouped);

    int Code() const { return code_; }
    bool Selected() const { return state_.Selected(); }
    // The group this button belongs to (the panel owns it); only grouped buttons use it.
    void SetGroup(ButtonGroup* group) { group_ = group; }
    // For a grouped button: every button of the group stops showing itself chosen, then this
    // one shows itself chosen when flag is true.
    void SelectInGroup(bool flag);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Apply(const ButtonEffects& effects);
    bool PointerInside() const;
    void Paint();
    void Repaint() const;

    int code_ = 0;
    bool grouped_ = false;
    BitmapImage face_;
    ButtonState state_{1};
    ButtonGroup* group_ = nullptr;
};
