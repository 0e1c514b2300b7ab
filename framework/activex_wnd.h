// CActiveXWnd: an ActiveX control placed in a dialog template as a window of the class
// CONTROL_HOST_CLASS (the window text names the control by its class id in braces). The
// framework hosts it itself, once CWinApp::EnableControlContainer has run: its own site
// (framework/control_site.h) answers the control's ambient properties and decides what user
// interface a document control may show, and the control's events come to OnControlEvent.
//
// The control may be missing (not installed, or the container not enabled). The dialog then
// shows an empty host window, BindDlgItem answers false and every call reports failure, so the
// caller can show something else instead.
#pragma once

#include <ole2.h>

#include "framework/control_events.h"
#include "framework/control_site.h"
#include "framework/wnd.h"

// The window class of a control's host window; the resource scripts name it literally.
inline constexpr char CONTROL_HOST_CLASS[] = "PelimorControlHost";

class CActiveXWnd : public CWnd, private ControlEventHandler {
public:
    CActiveXWnd() = default;
    ~CActiveXWnd() override;

    // Takes the host window of dialog item id (when it exists), creates the control its text
    // names there and shows it in place; false when there is no control to call.
    bool BindDlgItem(UINT id, CWnd* parent);
    bool HasControl() const { return dispatch_ != nullptr; }

    // The control itself (no reference added), or nullptr.
    IUnknown* GetControlUnknown() const { return object_; }

    // Calls a method of the control; arguments are given in their declared order and may be
    // fewer than declared when the rest are optional. False when there is no control or the
    // call failed.
    bool InvokeMethod(DISPID id, VARIANT* arguments = nullptr, UINT count = 0) const;
    // Reads a property into value (which the caller clears with VariantClear).
    bool GetProperty(DISPID id, VARIANT& value) const;

protected:
    // Ambient properties the site answers; the control reads them from its creation on, so
    // they are set before BindDlgItem.
    void SetAmbientProperty(DISPID id, LONG value);
    // The dispinterface whose events go to OnControlEvent; set before BindDlgItem.
    void SetEventInterface(REFIID events) { events_ = events; }

    void OnControlEvent(DISPID id, DISPPARAMS& parameters) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool CreateControl(const CLSID& control);
    void ConnectEvents();
    void FitControl() const;
    void ReleaseControl();

    ControlSite::AmbientProperties ambient_;
    IID events_ = IID_NULL;
    ControlSite* site_ = nullptr;
    IOleObject* object_ = nullptr;
    IDispatch* dispatch_ = nullptr;
    ControlEvents* sink_ = nullptr;
    IConnectionPoint* connection_ = nullptr;
    DWORD cookie_ = 0;
};
