#include "panel/tray_response.h"

namespace {

constexpr int NEWS_BALLOON = 1;
constexpr int NOTICE_BALLOON = 2;
constexpr int NEWS_PAGE = 2;
constexpr int NOTICE_PAGE = 3;

int PageOfBalloon(int balloonKind) {
    if (balloonKind == NEWS_BALLOON) return NEWS_PAGE;
    if (balloonKind == NOTICE_BALLOON) return NOTICE_PAGE;
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
