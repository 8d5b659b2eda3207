#pragma once

#include "commands.h"
#include "main_layout.h"
#include "main_window_controller.h"

#include <windows.h>

namespace hourvault::win32 {

// What the main window's controls and menus report, handed to the controller as its events; and
// the control that last held the focus, for the focus to go back to, as in a dialog.
class MainInput {
public:
    MainInput(MainLayout& layout, MainWindowController& controller)
        : layout_(layout), controller_(controller) {}

    // A control's notification (its WM_COMMAND): a list picked, edited or entered, a button
    // pressed or entered, a result box entered.
    void controlEvent(int id, int code, HWND sender);
    // A menu's command, or its shortcut's.
    void menuCommand(Command command);

    void remember(HWND control) { lastFocus_ = control; }
    // The focus where it last was.
    void giveFocusBack() const;
    // The window came back (WM_ACTIVATE, WM_SETFOCUS): the focus goes back where it last was if
    // it is not in the window, after another window, a message box or a minimise, however
    // those came.
    void windowReturned(HWND window) const;

private:
    MainLayout& layout_;
    MainWindowController& controller_;
    HWND lastFocus_ = nullptr;
};

} // namespace hourvault::win32
