// One dialog or message box of the program at a time.
//
// A modal dialog or message box runs a message loop of its own, in which the panel still gets
// tray clicks, posted commands, finished downloads and its timers. While one is open, nothing
// opens a second on top of it: a command that would open a dialog, a message box or the erase
// question is not run, a click for the tray or panel menu or on a balloon brings the open dialog
// to the front instead, and an update question waits until the dialog has closed. Showing and
// hiding the panel stay available. A pop-up menu's loop dispatches the panel's messages as well,
// so while a menu is open a waiting question waits too; the menu's command itself may still
// open a dialog once the menu has closed.
#pragma once

#include "app/panel_effect.h"

class DialogGate {
public:
    // True while a dialog or message box of the panel is open.
    bool Open() const { return depth_ > 0; }
    // True when a question that waited (the update question) may be asked now: no dialog,
    // message box or pop-up menu of the panel is open.
    bool QuestionMayOpen() const { return depth_ == 0 && menus_ == 0; }

    // Marks a dialog or message box open for the lifetime of this object (nested ones count).
    class Scope {
    public:
        explicit Scope(DialogGate& gate) : gate_(gate) { ++gate_.depth_; }
        ~Scope() { --gate_.depth_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        DialogGate& gate_;
    };

    // Marks a pop-up menu open for the lifetime of this object.
    class MenuScope {
    public:
        explicit MenuScope(DialogGate& gate) : gate_(gate) { ++gate_.menus_; }
        ~MenuScope() { --gate_.menus_; }
        MenuScope(const MenuScope&) = delete;
        MenuScope& operator=(const MenuScope&) = delete;

    private:
        DialogGate& gate_;
    };

private:
    int depth_ = 0;
    int menus_ = 0;
};

// True for the panel commands that open a dialog or a message box (the erase and update
// questions included); they are refused while another is open.
bool CommandOpensDialog(int command);

// What a tray event does while a dialog is open: the menu and a balloon's page would lead away
// from the dialog, so they bring it to the front instead; showing and hiding the panel stays.
PanelEffects TrayResponseWhileDialogOpen(const PanelEffects& response);
