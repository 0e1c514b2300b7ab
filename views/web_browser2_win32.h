// CWebBrowser2: the system's WebBrowser control hosted in the panel, driven through its
// automation interface. The pane only ever shows the local page file: it is navigated there
// once and refreshed whenever the file was rewritten.
#pragma once

#include <string>

#include "framework/activex_wnd.h"

class CWebBrowser2 : public CActiveXWnd {
public:
    // Loads the URL (CP932); false when there is no control or it refused.
    bool Navigate(const std::string& url) const;
    // Reloads the page.
    bool Refresh() const;
    // The control has finished loading its page.
    bool LoadComplete() const;
};
