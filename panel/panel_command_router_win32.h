// The panel menu's commands: which dialog, question or operation each one runs, one dialog at a
// time (DialogGate), and the update question that waits for the open dialog to close.
//
// The router runs the dialogs itself and returns what the panel window must then do (show a
// page, refresh the indicator page, start a download, close); the window carries that out.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <utility>

#include "app/panel_effect.h"
#include "net/server_downloads.h"
#include "panel/dialog_gate.h"

class PanelCommandRouter {
public:
    // The panel's window; the open dialog is looked for beside it and the menu opens over it.
    void SetPanel(HWND panel) { panel_ = panel; }
    // What the panel does when the user accepts an update: the process ends without closing
    // the panel's window, so whatever closing would do for the desktop is done here.
    void SetLeaveDesktop(std::function<void()> leave) { leaveDesktop_ = std::move(leave); }

    // True while a dialog or message box of the panel is open.
    bool DialogOpen() const { return dialogs_.Open(); }

    // Runs the command. One that opens a dialog or asks is refused while another is open, and
    // brings that one to the front instead.
    PanelEffects Run(int command);
    // The panel menu at the pointer, then the chosen command; while a dialog is open (an
    // ownerless message box leaves the panel enabled) only that dialog comes to the front.
    PanelEffects ShowPanelMenu();
    void BringDialogToFront() const;

    // An update check answered: the answer waits for AskPendingUpdateQuestion.
    void HoldUpdateAnswer(const UpdateCheckAnswer& answer) { pendingUpdate_ = answer; }
    // Asks the held update question unless a dialog or a pop-up menu is open; it then waits for
    // the next call.
    void AskPendingUpdateQuestion();

private:
    PanelEffects Perform(int command);

    HWND panel_ = nullptr;
    std::function<void()> leaveDesktop_;
    DialogGate dialogs_;
    std::optional<UpdateCheckAnswer> pendingUpdate_;
};
