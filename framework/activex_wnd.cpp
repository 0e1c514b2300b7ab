#include "framework/activex_wnd.h"

#include <oleauto.h>
#include <ocidl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

template <typename T>
void ReleaseAndClear(T*& object) {
    if (!object) return;
    object->Release();
    object = nullptr;
}

// The class id that the host window's text names, "{...}".
bool ClassIdOf(const std::string& text, CLSID& control) {
    std::wstring wide(text.begin(), text.end());
    return !wide.empty() && SUCCEEDED(CLSIDFromString(wide.c_str(), &control));
}

}  // namespace

CActiveXWnd::~CActiveXWnd() { ReleaseControl(); }

void CActiveXWnd::SetAmbientProperty(DISPID id, LONG value) { ambient_.emplace_back(id, value); }

void CActiveXWnd::OnControlEvent(DISPID, DISPPARAMS&) {}

bool CActiveXWnd::BindDlgItem(UINT id, CWnd* parent) {
    if (!parent || m_hWnd) return false;
    HWND host = parent->GetDlgItem(id);
    if (!host || !SubclassWindow(host)) return false;
    CLSID control;
    if (!ClassIdOf(GetWindowText(), control) || !CreateControl(control)) {
        ReleaseControl();
        return false;
    }
    return true;
}

bool CActiveXWnd::CreateControl(const CLSID& control) {
    site_ = new ControlSite(m_hWnd, ambient_);
    void* object = nullptr;
    if (FAILED(CoCreateInstance(control, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, &object)))
        return false;
    object_ = static_cast<IOleObject*>(object);
    // The site first: the control reads its ambient properties as soon as it has one.
    if (FAILED(object_->SetClientSite(site_))) return false;
    ConnectEvents();
    RECT area = GetClientRect();
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, m_hWnd, &area)))
        return false;
    void* dispatch = nullptr;
    if (FAILED(object_->QueryInterface(IID_IDispatch, &dispatch)) || !dispatch) return false;
    dispatch_ = static_cast<IDispatch*>(dispatch);
    return true;
}

void CActiveXWnd::ConnectEvents() {
    if (events_ == IID_NULL) return;
    IConnectionPointContainer* points = nullptr;
    if (FAILED(object_->QueryInterface(IID_IConnectionPointContainer,
                                       reinterpret_cast<void**>(&points))))
        return;
    HRESULT found = points->FindConnectionPoint(events_, &connection_);
    points->Release();
    if (FAILED(found)) {
        connection_ = nullptr;
        return;
    }
    sink_ = new ControlEvents(events_, this);
    if (FAILED(connection_->Advise(sink_, &cookie_))) {
        ReleaseAndClear(connection_);
        ReleaseAndClear(sink_);
    }
}

void CActiveXWnd::FitControl() const {
    if (!object_) return;
    IOleInPlaceObject* inPlace = nullptr;
    if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
        return;
    RECT area = GetClientRect();
    inPlace->SetObjectRects(&area, &area);
    inPlace->Release();
}

void CActiveXWnd::ReleaseControl() {
    if (sink_) sink_->Disconnect();
    if (connection_) connection_->Unadvise(cookie_);
    ReleaseAndClear(connection_);
    ReleaseAndClear(sink_);
    ReleaseAndClear(dispatch_);
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    ReleaseAndClear(object_);
    ReleaseAndClear(site_);
}

bool CActiveXWnd::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_SIZE) {
        FitControl();
        result = 0;
        return true;
    }
    // The control's window is a child of the host: it goes before the host does.
    if (message == WM_DESTROY) ReleaseControl();
    return false;
}

bool CActiveXWnd::InvokeMethod(DISPID id, VARIANT* arguments, UINT count) const {
    if (!dispatch_) return false;
    // IDispatch takes its arguments last first.
    std::vector<VARIANT> reversed(arguments, arguments + (arguments ? count : 0));
    std::reverse(reversed.begin(), reversed.end());
    DISPPARAMS parameters{reversed.empty() ? nullptr : reversed.data(), nullptr,
                          static_cast<UINT>(reversed.size()), 0};
    HRESULT invoked = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                        &parameters, nullptr, nullptr, nullptr);
    return SUCCEEDED(invoked);
}

bool CActiveXWnd::GetProperty(DISPID id, VARIANT& value) const {
    VariantInit(&value);
    if (!dispatch_) return false;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    HRESULT invoked = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                        &none, &value, nullptr, nullptr);
    return SUCCEEDED(invoked);
}
