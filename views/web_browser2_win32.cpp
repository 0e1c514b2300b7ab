#include "views/web_browser2_win32.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtmdid.h>
#include <oleauto.h>

#include "base/os.h"
#include "views/pane_download_control.h"
#include "views/pane_navigation.h"

namespace {

constexpr DISPID DISPID_NAVIGATE = 104;
constexpr DISPID DISPID_REFRESH_PAGE = -550;
constexpr DISPID DISPID_READY_STATE = -525;
constexpr LONG READY_STATE_COMPLETE = 4;

static_assert(download_control::IMAGES == DLCTL_DLIMAGES);
static_assert(download_control::VIDEOS == DLCTL_VIDEOS);
static_assert(download_control::BACKGROUND_SOUNDS == DLCTL_BGSOUNDS);
static_assert(download_control::NO_SCRIPTS == DLCTL_NO_SCRIPTS);
static_assert(download_control::NO_JAVA == DLCTL_NO_JAVA);
static_assert(download_control::NO_RUN_ACTIVEX == DLCTL_NO_RUNACTIVEXCTLS);
static_assert(download_control::NO_DOWNLOAD_ACTIVEX == DLCTL_NO_DLACTIVEXCTLS);
static_assert(download_control::NO_FRAME_DOWNLOAD == DLCTL_NO_FRAMEDOWNLOAD);
static_assert(download_control::NO_BEHAVIORS == DLCTL_NO_BEHAVIORS);
static_assert(download_control::NO_CLIENT_PULL == DLCTL_NO_CLIENTPULL);
static_assert(download_control::SILENT == DLCTL_SILENT);

BSTR WideStringOf(const std::string& text) {
    int length = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (wide) MultiByteToWideChar(932, 0, text.c_str(), -1, wide, length);
    return wide;
}

// The CP932 form of an address the control reports. A character CP932 lacks becomes "?",
// never a look-alike ASCII character, so it cannot make an address look like another.
std::string Cp932Of(const wchar_t* text) {
    if (!text) return {};
    int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, "?", nullptr);
    if (length <= 1) return {};
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, bytes.data(), length, "?", nullptr);
    bytes.resize(static_cast<size_t>(length - 1));
    return bytes;
}

// The text of an event argument given as a string or a reference to one.
std::string ArgumentText(const VARIANT& argument) {
    const VARIANT* value = &argument;
    if (argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal) value = argument.pvarVal;
    if (value->vt == VT_BSTR) return Cp932Of(value->bstrVal);
    if (value->vt == (VT_BSTR | VT_BYREF) && value->pbstrVal) return Cp932Of(*value->pbstrVal);
    return {};
}

// Sets an event's Cancel argument, a VARIANT_BOOL given by reference.
void Cancel(VARIANT& cancel) {
    if (cancel.vt == (VT_BOOL | VT_BYREF) && cancel.pboolVal) *cancel.pboolVal = VARIANT_TRUE;
}

void Follow(PaneNavigation verdict, const std::string& url, VARIANT& cancel) {
    if (verdict == PaneNavigation::Show) return;
    Cancel(cancel);
    if (verdict == PaneNavigation::OpenInDefaultBrowser)
        Os().OpenWithShell(url, "");
    else
        Os().Trace("HTML pane: the page's navigation to \"" + url + "\" was cancelled");
}

}  // namespace

bool CWebBrowser2::Create(UINT id, CWnd* parent, const std::string& pageUrl) {
    pageUrl_ = pageUrl;
    SetAmbientProperty(DISPID_AMBIENT_DLCONTROL, static_cast<LONG>(PANE_DOWNLOAD_CONTROL));
    SetEventInterface(DIID_DWebBrowserEvents2);
    if (!BindDlgItem(id, parent)) return false;
    IWebBrowser2* browser = nullptr;
    if (SUCCEEDED(GetControlUnknown()->QueryInterface(IID_IWebBrowser2,
                                                      reinterpret_cast<void**>(&browser)))) {
        // No dialogs of the browser's own, and no file dropped on the pane opened in it.
        browser->put_Silent(VARIANT_TRUE);
        browser->put_RegisterAsDropTarget(VARIANT_FALSE);
        browser->Release();
    }
    return true;
}

bool CWebBrowser2::NavigateToPage() {
    VARIANT address;
    VariantInit(&address);
    address.vt = VT_BSTR;
    address.bstrVal = WideStringOf(pageUrl_);
    if (!address.bstrVal) return false;
    // The control asks before it goes (BeforeNavigate2) while this call runs.
    navigating_ = true;
    // The flags, target frame, post data and headers are optional and left out.
    bool navigated = InvokeMethod(DISPID_NAVIGATE, &address, 1);
    navigating_ = false;
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

void CWebBrowser2::OnControlEvent(DISPID id, DISPPARAMS& parameters) {
    switch (id) {
    case DISPID_BEFORENAVIGATE2: OnBeforeNavigate(parameters); break;
    case DISPID_NEWWINDOW2: OnNewWindow(parameters, false); break;
    case DISPID_NEWWINDOW3: OnNewWindow(parameters, true); break;
    case DISPID_FILEDOWNLOAD: OnFileDownload(parameters); break;
    default: break;
    }
}

// BeforeNavigate2(pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel).
void CWebBrowser2::OnBeforeNavigate(DISPPARAMS& parameters) {
    if (parameters.cArgs < 7) return;
    VARIANT* arguments = parameters.rgvarg;  // last first
    std::string url = ArgumentText(arguments[5]);
    PaneNavigation verdict =
        JudgePaneNavigation(url, pageUrl_, navigating_, IsOwnDocument(arguments[6]));
    Follow(verdict, url, arguments[0]);
}

// NewWindow2(ppDisp, Cancel); NewWindow3(ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl).
void CWebBrowser2::OnNewWindow(DISPPARAMS& parameters, bool knowsAddress) {
    UINT needed = knowsAddress ? 5 : 2;
    if (parameters.cArgs < needed) return;
    VARIANT* arguments = parameters.rgvarg;
    std::string url = knowsAddress ? ArgumentText(arguments[0]) : std::string();
    Follow(JudgeNewWindow(url), url, arguments[needed - 2]);
}

// FileDownload(ActiveDocument, Cancel): a document the pane shows is no download.
void CWebBrowser2::OnFileDownload(DISPPARAMS& parameters) {
    if (parameters.cArgs < 2) return;
    VARIANT& document = parameters.rgvarg[1];
    bool shown = document.vt == VT_BOOL && document.boolVal != VARIANT_FALSE;
    if (!shown) Cancel(parameters.rgvarg[0]);
}

// Whether the event's browser object is the pane's own (not a frame inside its page).
bool CWebBrowser2::IsOwnDocument(const VARIANT& browser) const {
    IUnknown* control = GetControlUnknown();
    if (browser.vt != VT_DISPATCH || !browser.pdispVal || !control) return false;
    IUnknown* asked = nullptr;
    IUnknown* own = nullptr;
    bool same = SUCCEEDED(browser.pdispVal->QueryInterface(IID_IUnknown,
                                                           reinterpret_cast<void**>(&asked))) &&
                SUCCEEDED(control->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&own))) &&
                asked == own;
    if (asked) asked->Release();
    if (own) own->Release();
    return same;
}
