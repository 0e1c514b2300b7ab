#include "views/html_pane_body.h"

#include "app/app_core.h"
#include "metatrader/signal_texts.h"

namespace {

constexpr int NEWS_PAGE = 2;
constexpr int NOTICE_PAGE = 3;
constexpr int SIGNAL_PAGE = 4;
constexpr int NEWS_PER_PAGE = 5;

std::string BodyOf(const iaNews* item) { return item ? item->body : std::string(); }

}  // namespace

std::string HtmlPaneBody(const CAppCore& core, int newsSelected, int noticeCurrent) {
    switch (core.m_page) {
        case NEWS_PAGE:
            return BodyOf(core.m_newsStore.ItemFromNewest(core.m_newsPage * NEWS_PER_PAGE +
                                                          newsSelected));
        case NOTICE_PAGE:
            return BodyOf(core.m_noticeStore.ItemFromNewest(noticeCurrent));
        case SIGNAL_PAGE:
            return SignalMessagesHtml(core.m_serverPoll.messages, core.m_serverPoll.traderNames);
        default:
            return std::string();
    }
}
