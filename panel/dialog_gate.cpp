#include "panel/dialog_gate.h"

#include "resources/resource.h"

bool CommandOpensDialog(int command) {
    switch (command) {
    case ID_RUN_SETUP:
    case ID_RESET_INDICATORS:
    case ID_GENERAL_SETTINGS:
    case ID_SOUND_SETTINGS:
    case ID_ABOUT:
    case ID_CHECK_UPDATE:
    case ID_AUTO_TRADE_RULES:
    case ID_EA_SETUP:
    case ID_SIGNAL_COPY:
    case ID_DEVELOPER_TEST:
        return true;
    default:
        return false;
    }
}

TrayResponse TrayResponseWhileDialogOpen(const TrayResponse& response) {
    switch (response.action) {
    case TrayAction::ShowMenu:
    case TrayAction::OpenPage:
        return {TrayAction::BringDialogToFront};
    default:
        return response;
    }
}
