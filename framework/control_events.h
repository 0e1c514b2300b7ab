// ControlEvents: receives the events of an ActiveX control (one dispinterface, such as the
// WebBrowser's DWebBrowserEvents2) and hands each to a handler. The control holds it through
// its connection point; Disconnect ends the handing-over before the handler goes away, so a
// late event from a control still being torn down reaches nobody.
#pragma once

#include <oaidl.h>

class ControlEventHandler {
public:
    // One event of the control, its arguments as IDispatch gives them (last first).
    virtual void OnControlEvent(DISPID id, DISPPARAMS& parameters) = 0;

protected:
    ~ControlEventHandler() = default;
};

class ControlEvents : public IDispatch {
public:
    // Starts with one reference, its creator's.
    ControlEvents(REFIID events, ControlEventHandler* handler);

    void Disconnect() { handler_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    virtual ~ControlEvents() = default;

    LONG references_ = 1;
    IID events_;
    ControlEventHandler* handler_;
};
