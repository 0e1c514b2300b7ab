// CWebBrowser2: the system's WebBrowser control hosted in the panel, driven through its
// automation interface and locked down by its host. The pane only ever shows the local page
// file: it is navigated there and refreshed whenever the file was rewritten. The host answers
// the browser's download control (views/pane_download_control.h), and of the navigations and
// new windows the page asks for it lets through only the page file; a link to a web page is
// opened in the user's default browser (views/pane_navigation.h). A file the page would
// download is refused without a prompt.
#pragma once

#include <string>

#include "framework/activex_wnd.h"

class CWebBrowser2 : public CActiveXWnd {
public:
    // Binds dialog item id as the pane's control for the page at pageUrl (CP932), which is the
    // only address it may show; false when there is no control.
    bool Create(UINT id, CWnd* parent, const std::string& pageUrl);
    // Loads the page; false when there is no control or it refused.
    bool NavigateToPage();
    // Reloads the page.
    bool Refresh() const;
    // The control has finished loading its page.
    bool LoadComplete() const;

protected:
    void OnControlEvent(DISPID id, DISPPARAMS& parameters) override;

private:
    void OnBeforeNavigate(DISPPARAMS& parameters);
    void OnNewWindow(DISPPARAMS& parameters, bool knowsAddress);
    void OnFileDownload(DISPPARAMS& parameters);
    bool IsOwnDocument(const VARIANT& browser) const;

    std::string pageUrl_;
    bool navigating_ = false;
};
