// What the HTML pane shows on the current page (the core's m_page): the selected news item's
// body, the shown notice's body, or the signal messages; nothing on the other pages or when the
// item is gone.
#pragma once

#include <string>

class CAppCore;

// newsSelected: the news view's expanded position on its page (0..4); noticeCurrent: the
// notice view's shown notice, 0 = newest.
std::string HtmlPaneBody(const CAppCore& core, int newsSelected, int noticeCurrent);
