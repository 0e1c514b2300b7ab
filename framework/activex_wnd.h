// CActiveXWnd: an ActiveX control placed in a dialog template as a window of the class
// "AtlAxWin" (the window text names the control, e.g. its class id in braces), hosted by the
// system's atl.dll once CWinApp::EnableControlContainer has run.
//
// The control may be missing: atl.dll may be absent, or the control itself may not be
// installed. The dialog is then created without the item (its template says DS_NOFAILCREATE),
// BindDlgItem answers false and every call reports failure, so the caller can show something
// else instead.
#pragma once

#include <oaidl.h>

#include "framework/wnd.h"

class CActiveXWnd : public CWnd {
public:
    CActiveXWnd() = default;
    ~CActiveXWnd() override;

    // Wraps the host window of dialog item id (when it exists) and takes the control's
    // automation interface; false when there is no control to call.
    bool BindDlgItem(UINT id, CWnd* parent);
    bool HasControl() const { return dispatch_ != nullptr; }

    // Calls a method of the control; arguments are given in their declared order and may be
    // fewer than declared when the rest are optional. False when there is no control or the
    // call failed.
    bool InvokeMethod(DISPID id, VARIANT* arguments = nullptr, UINT count = 0) const;
    // Reads a property into value (which the caller clears with VariantClear).
    bool GetProperty(DISPID id, VARIANT& value) const;

private:
    void ReleaseControl();

    IDispatch* dispatch_ = nullptr;
};
