// The local page the HTML pane shows: one body (a news item's, a notice's or the signal
// messages) inside a fixed frame that loads the pane's style sheet and background from the
// "system" folder beside the page file.
#pragma once

#include <string>

// The page for the body. A body holding "youtube" (exactly so) is an embedded video player: it
// gets no margin and no scroll bars, so that it fills the pane.
//
// The page starts with the mark of a page saved from the Internet. The body is server-supplied
// HTML written into a local file, which the browser would otherwise run with the local
// machine's rights; with the mark, scripts and controls in it are held to the Internet zone.
std::string BuildHtmlPage(const std::string& body);

// Writes the page into the page file ("ialweb.dat"), every "\n" as CR LF. False when the file
// could not be written; the previous page then stays whole.
bool WriteHtmlPage(const std::string& page);
