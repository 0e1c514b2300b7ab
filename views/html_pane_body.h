// What the HTML pane shows on the current page (the core's m_page): the selected news item's
// body, the shown notice's body, or the signal messages; nothing on the other pages or when the
// item is gone.
#pragma once

#include <string>

class CAppCore;

// newsItem: the news item the news view has expanded, 0 = newest (its pages hold as many
// items as fit); noticeCurrent: the notice view's shown notice, 0 = newest.
std::string HtmlPaneBody(const CAppCore& core, int newsItem, int noticeCurrent);
