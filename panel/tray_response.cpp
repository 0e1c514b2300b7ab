#include "panel/tray_response.h"

#include "app/panel_page.h"

namespace {

constexpr int NEWS_BALLOON = 1;
constexpr int NOTICE_BALLOON = 2;

int PageOfBalloon(int balloonKind) {
    if (balloonKind == NEWS_BALLOON) return PAGE_NEWS;
    if (balloonKind == NOTICE_BALLOON) return PAGE_NOTICES;
    return NO_PAGE;
}

}  // namespace

PanelEffects DecideTrayResponse(uint32_t event, int balloonKind) {
    switch (event) {
    case TRAY_LEFT_DOUBLE_CLICK: return {{PanelEffectKind::TogglePanel}};
    case TRAY_RIGHT_BUTTON_UP: return {{PanelEffectKind::ShowMenu}};
    case TRAY_BALLOON_CLICKED: return {{PanelEffectKind::OpenPage, PageOfBalloon(balloonKind)}};
    default: return {};
    }
}
