#include "views/browser_feature_controls_win32.h"

#include <windows.h>

#include <urlmon.h>

#include "base/byte_text.h"
#include "base/os.h"

namespace {

// Local-machine lockdown is not among them: the system lets a process switch it on only
// through the registry, and the page is in the Internet zone by its mark of the web anyway.
// MIME handling and sniffing keep the system's settings: the page file's extension is not
// ".html", so the browser must go on recognising it by its content.
constexpr INTERNETFEATURELIST PANE_FEATURES[] = {
    FEATURE_OBJECT_CACHING,                  // no access to objects cached by another domain
    FEATURE_ZONE_ELEVATION,                  // no navigation into a more trusted zone
    FEATURE_WINDOW_RESTRICTIONS,             // no windows without frame or off the screen
    FEATURE_WEBOC_POPUPMANAGEMENT,           // the pop-up blocker, as in the browser itself
    FEATURE_BEHAVIORS,                       // binary behaviours held to the zone's rules
    FEATURE_DISABLE_MK_PROTOCOL,             // no mk: addresses
    FEATURE_RESTRICT_ACTIVEXINSTALL,         // no installing of ActiveX controls
    FEATURE_VALIDATE_NAVIGATE_URL,           // no malformed addresses
    FEATURE_RESTRICT_FILEDOWNLOAD,           // no download the user did not start
    FEATURE_ADDON_MANAGEMENT,                // no add-on the user or the policy switched off
    FEATURE_PROTOCOL_LOCKDOWN,               // the zones' locked-down protocols stay locked
    FEATURE_HTTP_USERNAME_PASSWORD_DISABLE,  // no "user:password@" in addresses
    FEATURE_SAFE_BINDTOOBJECT,               // objects bound only as the zone allows
    FEATURE_UNC_SAVEDFILECHECK,              // the mark of the web also counts on a network share
    FEATURE_DISABLE_TELNET_PROTOCOL,         // no telnet: addresses
    FEATURE_BLOCK_INPUT_PROMPTS,             // no script prompts asking for input
    FEATURE_DISABLE_NAVIGATION_SOUNDS,       // every rewrite of the page reloads it: no clicks
};

}  // namespace

void EnableBrowserFeatureControls() {
    for (INTERNETFEATURELIST feature : PANE_FEATURES) {
        if (FAILED(CoInternetSetFeatureEnabled(feature, SET_FEATURE_ON_PROCESS, TRUE)))
            Os().Trace(FormatText("HTML pane: the browser feature control %d was refused",
                                  static_cast<int>(feature)));
    }
}
