#include "views/web_browser2_win32.h"

#include <oleauto.h>

namespace {

constexpr DISPID DISPID_NAVIGATE = 104;
constexpr DISPID DISPID_REFRESH_PAGE = -550;
constexpr DISPID DISPID_READY_STATE = -525;
constexpr LONG READY_STATE_COMPLETE = 4;

BSTR WideStringOf(const std::string& text) {
    int length = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (wide) MultiByteToWideChar(932, 0, text.c_str(), -1, wide, length);
    return wide;
}

}  // namespace

bool CWebBrowser2::Navigate(const std::string& url) const {
    VARIANT address;
    VariantInit(&address);
    address.vt = VT_BSTR;
    address.bstrVal = WideStringOf(url);
    if (!address.bstrVal) return false;
    // The flags, target frame, post data and headers are optional and left out.
    bool navigated = InvokeMethod(DISPID_NAVIGATE, &address, 1);
    VariantClear(&address);
    return navigated;
}

bool CWebBrowser2::Refresh() const { return InvokeMethod(DISPID_REFRESH_PAGE); }

bool CWebBrowser2::LoadComplete() const {
    VARIANT state;
    if (!GetProperty(DISPID_READY_STATE, state)) return false;
    VARIANT asLong;
    VariantInit(&asLong);
    bool complete = SUCCEEDED(VariantChangeType(&asLong, &state, 0, VT_I4)) &&
                    asLong.lVal == READY_STATE_COMPLETE;
    VariantClear(&asLong);
    VariantClear(&state);
    return complete;
}
