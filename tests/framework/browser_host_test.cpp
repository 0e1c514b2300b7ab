// The HTML pane's browser host as the WebBrowser control sees it: the ambient properties and
// the document-host answers of its site, and its answers to the control's navigation events.
// Wine runs here without an HTML engine, so no page renders; the control itself is created
// and given the real site.
#include <windows.h>

#include <exdisp.h>
#include <exdispid.h>
#include <mshtmdid.h>
#include <mshtmhst.h>
#include <ocidl.h>
#include <olectl.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include "framework/activex_wnd.h"
#include "framework/win_app.h"
#include "tests/support/test_os.h"
#include "views/web_browser2_win32.h"

namespace {

constexpr UINT PANE_ID = 1005;
constexpr char WEB_BROWSER[] = "{8856F961-340A-11D0-A96B-00C04FD705A2}";
constexpr char PAGE_URL[] = "file:///C:/Pelimor/system/ialweb.dat";

template <typename T>
T* Query(IUnknown* from, REFIID iid) {
    void* object = nullptr;
    if (!from || FAILED(from->QueryInterface(iid, &object))) return nullptr;
    return static_cast<T*>(object);
}

class BrowserHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app_.EnableControlContainer());
        parentWindow_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 240, 200, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(parentWindow_ && parent_.Attach(parentWindow_));
        HWND host = CreateWindowExA(0, CONTROL_HOST_CLASS, WEB_BROWSER, WS_CHILD | WS_VISIBLE, 0, 0,
                                    200, 150, parent_.GetSafeHwnd(),
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(PANE_ID)),
                                    GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
        ASSERT_TRUE(browser_.Create(PANE_ID, &parent_, PAGE_URL));
        ASSERT_TRUE(browser_.HasControl());
    }

    // The site the control was given, as the interface asked for (the caller releases it).
    template <typename T>
    T* Site(REFIID iid) {
        IOleObject* object = Query<IOleObject>(browser_.GetControlUnknown(), IID_IOleObject);
        if (!object) return nullptr;
        IOleClientSite* site = nullptr;
        object->GetClientSite(&site);
        object->Release();
        T* asked = Query<T>(site, iid);
        if (site) site->Release();
        return asked;
    }

    // The host's event sink as the control's connection point holds it, or nullptr.
    IDispatch* EventSink() {
        auto* points = Query<IConnectionPointContainer>(browser_.GetControlUnknown(),
                                                        IID_IConnectionPointContainer);
        if (!points) return nullptr;
        IConnectionPoint* point = nullptr;
        points->FindConnectionPoint(DIID_DWebBrowserEvents2, &point);
        points->Release();
        if (!point) return nullptr;
        IEnumConnections* connections = nullptr;
        if (FAILED(point->EnumConnections(&connections))) connections = nullptr;
        point->Release();
        if (!connections) return nullptr;
        CONNECTDATA connection{};
        IDispatch* sink = nullptr;
        // The connection's reference is not released: Wine's enumerator hands the sink out
        // without adding one, and a release here would free the host's sink under it.
        if (connections->Next(1, &connection, nullptr) == S_OK && connection.pUnk)
            sink = Query<IDispatch>(connection.pUnk, IID_IDispatch);
        connections->Release();
        return sink;
    }

    // Fires BeforeNavigate2 at the sink, from the pane's own browser or a frame's; true when
    // the host cancelled it.
    bool BeforeNavigate(IDispatch* sink, const wchar_t* url, bool fromPane) {
        IDispatch* own = Query<IDispatch>(browser_.GetControlUnknown(), IID_IDispatch);
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT address, empty[4], arguments[7];
        VariantInit(&address);
        address.vt = VT_BSTR;
        address.bstrVal = SysAllocString(url);
        for (VARIANT& value : empty) VariantInit(&value);
        for (VARIANT& value : arguments) VariantInit(&value);
        arguments[6].vt = VT_DISPATCH;  // last first: pDisp .. Cancel
        arguments[6].pdispVal = fromPane ? own : frame_;
        arguments[5].vt = VT_VARIANT | VT_BYREF;
        arguments[5].pvarVal = &address;
        for (int i = 1; i <= 4; ++i) {
            arguments[i].vt = VT_VARIANT | VT_BYREF;
            arguments[i].pvarVal = &empty[i - 1];
        }
        arguments[0].vt = VT_BOOL | VT_BYREF;
        arguments[0].pboolVal = &cancel;
        DISPPARAMS parameters{arguments, nullptr, 7, 0};
        sink->Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                     &parameters, nullptr, nullptr, nullptr);
        VariantClear(&address);
        if (own) own->Release();
        return cancel != VARIANT_FALSE;
    }

    // Fires NewWindow2 or FileDownload (two arguments, the Cancel last first); true when the
    // host cancelled it.
    static bool TwoArgumentEvent(IDispatch* sink, DISPID event, VARIANT first) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT arguments[2];
        arguments[1] = first;
        VariantInit(&arguments[0]);
        arguments[0].vt = VT_BOOL | VT_BYREF;
        arguments[0].pboolVal = &cancel;
        DISPPARAMS parameters{arguments, nullptr, 2, 0};
        sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr,
                     nullptr, nullptr);
        return cancel != VARIANT_FALSE;
    }

    void TearDown() override {
        if (parentWindow_) DestroyWindow(parentWindow_);
    }

    FakeOs os_;  // records what is opened with the shell
    CWinApp app_;
    HWND parentWindow_ = nullptr;
    CWnd parent_;
    CWebBrowser2 browser_;
    IDispatch* frame_ = nullptr;  // a browser object that is not the pane's
};

TEST_F(BrowserHostTest, TheSiteAnswersTheDownloadControlWithNothingThatRuns) {
    IDispatch* ambient = Site<IDispatch>(IID_IDispatch);
    ASSERT_NE(ambient, nullptr);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT value;
    VariantInit(&value);
    ASSERT_EQ(ambient->Invoke(DISPID_AMBIENT_DLCONTROL, IID_NULL, LOCALE_USER_DEFAULT,
                              DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr),
              S_OK);
    ASSERT_EQ(value.vt, VT_I4);
    EXPECT_EQ(static_cast<DWORD>(value.lVal),
              static_cast<DWORD>(DLCTL_DLIMAGES | DLCTL_NO_SCRIPTS | DLCTL_NO_JAVA |
                                 DLCTL_NO_RUNACTIVEXCTLS | DLCTL_NO_DLACTIVEXCTLS |
                                 DLCTL_NO_FRAMEDOWNLOAD | DLCTL_NO_BEHAVIORS | DLCTL_NO_CLIENTPULL |
                                 DLCTL_SILENT));
    // An ambient property the host does not set is left to the control's default.
    VariantInit(&value);
    EXPECT_EQ(ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, LOCALE_USER_DEFAULT,
                              DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    ambient->Release();
}

TEST_F(BrowserHostTest, TheDocumentHostShowsNoContextMenuAndNoExternalObject) {
    IDocHostUIHandler* handler = Site<IDocHostUIHandler>(IID_IDocHostUIHandler);
    ASSERT_NE(handler, nullptr);
    POINT point{10, 10};
    EXPECT_EQ(handler->ShowContextMenu(CONTEXT_MENU_DEFAULT, &point, nullptr, nullptr), S_OK);
    IDispatch* external = reinterpret_cast<IDispatch*>(handler);  // anything but null
    EXPECT_EQ(handler->GetExternal(&external), S_OK);
    EXPECT_EQ(external, nullptr);
    DOCHOSTUIINFO info{};
    info.cbSize = sizeof info;
    ASSERT_EQ(handler->GetHostInfo(&info), S_OK);
    EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_NO3DBORDER);
    EXPECT_FALSE(info.dwFlags & DOCHOSTUIFLAG_OPENNEWWIN);
    handler->Release();
}

TEST_F(BrowserHostTest, TheHostCancelsNavigationsNewWindowsAndDownloads) {
    IDispatch* sink = EventSink();
    if (!sink) GTEST_SKIP() << "the control does not list its event connections";
    EXPECT_FALSE(BeforeNavigate(sink, L"file:///C:/Pelimor/system/ialweb.dat", true));
    EXPECT_FALSE(BeforeNavigate(sink, L"file:///c:/pelimor/system/ialweb.dat#top", true));
    EXPECT_TRUE(BeforeNavigate(sink, L"javascript:alert(1)", true));
    EXPECT_TRUE(BeforeNavigate(sink, L"file:///C:/Windows/System32/calc.exe", true));
    EXPECT_TRUE(BeforeNavigate(sink, L"about:blank", true));
    EXPECT_TRUE(BeforeNavigate(sink, L"file:///C:/Pelimor/system/ialweb.dat", false));
    EXPECT_TRUE(os_.shellOpened.empty());
    // A clicked web link leaves the pane on its page and opens in the default browser.
    EXPECT_TRUE(BeforeNavigate(sink, L"https://example.com/news?id=1", true));
    EXPECT_EQ(os_.shellOpened, std::vector<std::string>{"https://example.com/news?id=1|"});
    EXPECT_TRUE(BeforeNavigate(sink, L"https://example.com/frame", false));
    EXPECT_EQ(os_.shellOpened.size(), 1u);

    IDispatch* window = nullptr;
    VARIANT created;
    VariantInit(&created);
    created.vt = VT_DISPATCH | VT_BYREF;
    created.ppdispVal = &window;
    EXPECT_TRUE(TwoArgumentEvent(sink, DISPID_NEWWINDOW2, created));

    VARIANT document;
    VariantInit(&document);
    document.vt = VT_BOOL;
    document.boolVal = VARIANT_FALSE;
    EXPECT_TRUE(TwoArgumentEvent(sink, DISPID_FILEDOWNLOAD, document));
    document.boolVal = VARIANT_TRUE;
    EXPECT_FALSE(TwoArgumentEvent(sink, DISPID_FILEDOWNLOAD, document));
    sink->Release();
}

}  // namespace
