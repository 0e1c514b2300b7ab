#include "views/html_pane_body.h"

#include "app/app_core.h"
#include "metatrader/signal_texts.h"

namespace {

constexpr int NEWS_PAGE = 2;
constexpr int NOTICE_PAGE = 3;
constexpr int SIGNAL_PAGE = 4;

std::string BodyOf(const iaNews* item) { return item ? item->body : std::string(); }

}  // namespace

std::string HtmlPaneBody(const CAppCore& core, int newsItem, int noticeCurrent) {
    switch (core.m_page) {
    case NEWS_PAGE: return BodyOf(core.m_newsStore.ItemFromNewest(newsItem));
    case NOTICE_PAGE: return BodyOf(core.m_noticeStore.ItemFromNewest(noticeCurrent));
    case SIGNAL_PAGE:
        return SignalMessagesHtml(core.m_serverPoll.messages, core.m_serverPoll.traderNames);
    default: return std::string();
    }
}
