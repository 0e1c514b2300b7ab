#include "framework/control_events.h"

ControlEvents::ControlEvents(REFIID events, ControlEventHandler* handler)
    : events_(events), handler_(handler) {}

STDMETHODIMP ControlEvents::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ControlEvents::AddRef() { return static_cast<ULONG>(++references_); }

STDMETHODIMP_(ULONG) ControlEvents::Release() {
    LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP ControlEvents::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
STDMETHODIMP ControlEvents::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP ControlEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP ControlEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                   EXCEPINFO*, UINT*) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (handler_) handler_->OnControlEvent(id, parameters ? *parameters : none);
    return S_OK;
}
