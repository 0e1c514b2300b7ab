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
    case ID_DEVELOPER_TEST: return true;
    default: return false;
    }
}

PanelEffects TrayResponseWhileDialogOpen(const PanelEffects& response) {
    PanelEffects whileOpen;
    for (const PanelEffect& effect : response) {
        const bool leadsAway =
            effect.kind == PanelEffectKind::ShowMenu || effect.kind == PanelEffectKind::OpenPage;
        whileOpen.push_back(leadsAway ? PanelEffect{PanelEffectKind::BringDialogToFront} : effect);
    }
    return whileOpen;
}
