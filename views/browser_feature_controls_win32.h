// The browser's feature controls that a program hosting the WebBrowser control turns on for
// itself (Internet Explorer applies them to its own process only). Switched on once for the
// whole process before the HTML pane's control is made.
#pragma once

// Turns the features on; traces each one the system refuses.
void EnableBrowserFeatureControls();
