#include "framework/activex_wnd.h"

#include <oleauto.h>

#include <algorithm>

#include <vector>

namespace {

using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

// The control inside an "AtlAxWin" host window, or nullptr.
IUnknown* HostedControl(HWND host) {
    HMODULE atl = GetModuleHandleA("atl.dll");
    if (!atl) return nullptr;
    auto getControl = reinterpret_cast<AtlAxGetControlFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(atl, "AtlAxGetControl")));
    IUnknown* control = nullptr;
    if (!getControl || FAILED(getControl(host, &control))) return nullptr;
    return control;
}

}  // namespace

CActiveXWnd::~CActiveXWnd() { ReleaseControl(); }

void CActiveXWnd::ReleaseControl() {
    if (!dispatch_) return;
    dispatch_->Release();
    dispatch_ = nullptr;
}

bool CActiveXWnd::BindDlgItem(UINT id, CWnd* parent) {
    if (!parent || m_hWnd) return false;
    HWND host = parent->GetDlgItem(id);
    if (!host || !Attach(host)) return false;
    IUnknown* control = HostedControl(host);
    if (!control) return false;
    void* dispatch = nullptr;
    HRESULT queried = control->QueryInterface(IID_IDispatch, &dispatch);
    control->Release();
    if (FAILED(queried) || !dispatch) return false;
    dispatch_ = static_cast<IDispatch*>(dispatch);
    return true;
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
