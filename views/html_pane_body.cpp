#include "views/html_pane_body.h"

#include "app/app_core.h"
#include "app/panel_page.h"
#include "metatrader/signal_texts.h"

namespace {

std::string BodyOf(const iaNews* item) { return item ? item->body : std::string(); }

}  // namespace

std::string HtmlPaneBody(const CAppCore& core, int newsItem, int noticeCurrent) {
    switch (core.m_page) {
    case PAGE_NEWS: return BodyOf(core.m_newsStore.ItemFromNewest(newsItem));
    case PAGE_NOTICES: return BodyOf(core.m_noticeStore.ItemFromNewest(noticeCurrent));
    case PAGE_SIGNALS:
        return SignalMessagesHtml(core.m_serverPoll.messages, core.m_serverPoll.traderNames);
    default: return std::string();
    }
}
