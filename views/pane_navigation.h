// What the HTML pane does with a navigation or a new window its page asks for. The pane shows
// the page file and nothing else: a link to a web page opens in the user's default browser
// while the pane stays on its page, and every other address (file:, javascript:, res:,
// about:, mk:, ms-its:, ...) goes nowhere.
#pragma once

#include <string>

enum class PaneNavigation {
    Show,                  // let the pane load it: the page file itself
    OpenInDefaultBrowser,  // cancel it in the pane and open the address in the default browser
    Cancel,                // cancel it and open nothing
};

// A navigation of the pane to url (CP932). requestedByPane: the program itself started it (its
// one Navigate to the page file); topLevel: the pane's document, not a frame inside it. A frame
// never loads, and never opens a browser either: an embedded player is not a click.
PaneNavigation JudgePaneNavigation(const std::string& url, const std::string& pageUrl,
                                   bool requestedByPane, bool topLevel);

// A new window the page asks for (a link with a target, a script's window.open). None is made;
// url may be empty when the control does not tell it.
PaneNavigation JudgeNewWindow(const std::string& url);

// Whether url names the page file at pageUrl (as PageUrl builds it): the same after the
// "file:" scheme and its slashes, "%XX" escapes, "\" for "/" and the case of ASCII letters,
// with or without a "#fragment" of url. The control may report its address in any of those
// forms, or as a plain path.
bool IsPageAddress(const std::string& url, const std::string& pageUrl);
