#include "panel/dialog_gate.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace {
TEST(DialogGateTest, OnlyCommandsThatOpenADialogOrAskAreHeldBack) {
    const struct {
        int command;
        bool opensDialog;
    } cases[] = {
        {ID_RUN_SETUP, true},
        {ID_RESET_INDICATORS, true},
        {ID_GENERAL_SETTINGS, true},
        {ID_SOUND_SETTINGS, true},
        {ID_ABOUT, true},
        {ID_CHECK_UPDATE, true},
        {ID_AUTO_TRADE_RULES, true},
        {ID_EA_SETUP, true},
        {ID_SIGNAL_COPY, true},
        {ID_DEVELOPER_TEST, true},
        {ID_SHOW_HIDE, false},
        {ID_EXIT, false},
        {ID_FORCED_UPDATE, false},
        {ID_HELP_MANUAL, false},
        {ID_ADJUST_CLOCK, false},
        {ID_SHOW_SIGNALS, false},
        {ID_WEB_HOME, false},
        {0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandOpensDialog(c.command), c.opensDialog) << c.command;
}

TEST(DialogGateTest, NestedDialogsKeepTheGateOpenUntilTheOutermostCloses) {
    DialogGate gate;
    EXPECT_FALSE(gate.Open());
    {
        DialogGate::Scope outer(gate);
        {
            DialogGate::Scope inner(gate);
            EXPECT_TRUE(gate.Open());
        }
        EXPECT_TRUE(gate.Open());
    }
    EXPECT_FALSE(gate.Open());
}

TEST(DialogGateTest, AWaitingQuestionWaitsForDialogsAndMenusAlike) {
    DialogGate gate;
    EXPECT_TRUE(gate.QuestionMayOpen());
    {
        DialogGate::MenuScope menu(gate);
        EXPECT_FALSE(gate.QuestionMayOpen());
        // The menu's own command may still open a dialog.
        EXPECT_FALSE(gate.Open());
    }
    EXPECT_TRUE(gate.QuestionMayOpen());
    {
        DialogGate::Scope dialog(gate);
        EXPECT_FALSE(gate.QuestionMayOpen());
    }
    EXPECT_TRUE(gate.QuestionMayOpen());
}

TEST(DialogGateTest, WhileADialogIsOpenTheTrayBringsItForwardButStillShowsAndHidesThePanel) {
    using Kind = PanelEffectKind;
    const PanelEffects toFront{{Kind::BringDialogToFront}};
    const struct {
        PanelEffects response;
        PanelEffects whileOpen;
    } cases[] = {
        {{{Kind::ShowMenu}}, toFront},
        {{{Kind::OpenPage, 2}}, toFront},
        {{{Kind::OpenPage, NO_PAGE}}, toFront},
        {{{Kind::TogglePanel}}, {{Kind::TogglePanel}}},
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(TrayResponseWhileDialogOpen(c.response), c.whileOpen);
}
}  // namespace
