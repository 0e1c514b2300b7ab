#include "framework/control_site.h"

#include <oleauto.h>

namespace {

// The browser draws no 3-D border of its own (the pane has no frame), offers no help menu, and
// checks local-machine access and untrusted protocols as a locked-down host asks it to.
constexpr DWORD DOCUMENT_HOST_FLAGS = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_DISABLE_HELP_MENU |
                                      DOCHOSTUIFLAG_DISABLE_SCRIPT_INACTIVE |
                                      DOCHOSTUIFLAG_LOCAL_MACHINE_ACCESS_CHECK |
                                      DOCHOSTUIFLAG_DISABLE_UNTRUSTEDPROTOCOL;

template <typename T>
HRESULT Nothing(T** out) {
    if (out) *out = nullptr;
    return out ? S_FALSE : E_POINTER;
}

}  // namespace

ControlSite::ControlSite(HWND host, AmbientProperties ambient)
    : host_(host), ambient_(std::move(ambient)) {}

STDMETHODIMP ControlSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (iid == IID_IDocHostUIHandler) {
        *object = static_cast<IDocHostUIHandler*>(this);
    } else if (iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ControlSite::AddRef() { return static_cast<ULONG>(++references_); }

STDMETHODIMP_(ULONG) ControlSite::Release() {
    LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

// IOleClientSite: nothing is saved and there is no document of the container to name.
STDMETHODIMP ControlSite::SaveObject() { return S_OK; }
STDMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP ControlSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP ControlSite::ShowObject() { return S_OK; }
STDMETHODIMP ControlSite::OnShowWindow(WINBOOL) { return S_OK; }
STDMETHODIMP ControlSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP ControlSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = host_;
    return S_OK;
}
STDMETHODIMP ControlSite::ContextSensitiveHelp(WINBOOL) { return E_NOTIMPL; }

STDMETHODIMP ControlSite::CanInPlaceActivate() { return S_OK; }
STDMETHODIMP ControlSite::OnInPlaceActivate() { return S_OK; }
STDMETHODIMP ControlSite::OnUIActivate() { return S_OK; }

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO frameInfo) {
    if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(host_, position);
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = GetAncestor(host_, GA_ROOT);
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::Scroll(SIZE) { return E_NOTIMPL; }
STDMETHODIMP ControlSite::OnUIDeactivate(WINBOOL) { return S_OK; }
STDMETHODIMP ControlSite::OnInPlaceDeactivate() { return S_OK; }
STDMETHODIMP ControlSite::DiscardUndoState() { return S_OK; }
STDMETHODIMP ControlSite::DeactivateAndUndo() { return S_OK; }
STDMETHODIMP ControlSite::OnPosRectChange(LPCRECT) { return S_OK; }

STDMETHODIMP ControlSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP ControlSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP ControlSite::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
STDMETHODIMP ControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP ControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
STDMETHODIMP ControlSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP ControlSite::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP ControlSite::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP ControlSite::EnableModeless(WINBOOL) { return S_OK; }
STDMETHODIMP ControlSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// The menu is "shown" by the host, which shows none: the page offers no view source, no
// printing, no saving of pictures and no "open in new window".
STDMETHODIMP ControlSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }

STDMETHODIMP ControlSite::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info) return E_POINTER;
    info->dwFlags = DOCUMENT_HOST_FLAGS;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    info->pchHostCss = nullptr;
    info->pchHostNS = nullptr;
    return S_OK;
}

// The host "shows" the browser's menus and toolbars, that is none of them.
STDMETHODIMP ControlSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                 IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
    return S_OK;
}
STDMETHODIMP ControlSite::HideUI() { return S_OK; }
STDMETHODIMP ControlSite::UpdateUI() { return S_OK; }
STDMETHODIMP ControlSite::OnDocWindowActivate(WINBOOL) { return S_OK; }
STDMETHODIMP ControlSite::OnFrameWindowActivate(WINBOOL) { return S_OK; }
STDMETHODIMP ControlSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) { return S_OK; }
STDMETHODIMP ControlSite::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }
STDMETHODIMP ControlSite::GetOptionKeyPath(LPOLESTR* key, DWORD) { return Nothing(key); }
STDMETHODIMP ControlSite::GetDropTarget(IDropTarget*, IDropTarget** target) {
    if (target) *target = nullptr;
    return E_NOTIMPL;
}
// A null object, answered as a success: failing here would let the browser put its own
// default object behind window.external.
STDMETHODIMP ControlSite::GetExternal(IDispatch** external) {
    if (!external) return E_POINTER;
    *external = nullptr;
    return S_OK;
}
STDMETHODIMP ControlSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
    return Nothing(translated);
}
STDMETHODIMP ControlSite::FilterDataObject(IDataObject*, IDataObject** filtered) {
    return Nothing(filtered);
}

STDMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
STDMETHODIMP ControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP ControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                 EXCEPINFO*, UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    for (const auto& [property, value] : ambient_) {
        if (property != id) continue;
        if (!result) return E_POINTER;
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = value;
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}
