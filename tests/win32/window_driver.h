#pragma once

// Drives the Windows program's windows as a user does, by real input (SendInput): the pointer
// moves and clicks, keys are pressed and text is typed, and the program's own message loop
// handles it all. Reads back what a user sees: texts, entries, check marks, what shows, where
// the focus is. The steps that can fail return false, so that the test names the failing line.

#include "commands.h"
#include "control_ids.h"
#include "text.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hourvault::testing {

using win32::wide;
using win32::windowText;

// Handles the program's messages for a while, or until the condition holds; false if it never
// did. Long enough for a machine under load: only a failing test waits it out.
bool waitFor(const std::function<bool()>& condition, DWORD milliseconds = 10000);
void settle(DWORD milliseconds = 150);

// A key, with the keys held while it is pressed.
void key(WORD pressed, std::vector<WORD> held = {});
// Keys pressed one after another, all sent before any is handled: one of them may open a loop
// of its own (Alt, the menu bar's) that the ones after it must reach.
void keys(std::initializer_list<WORD> pressed);
// Text as typed, whatever the keyboard: each character as itself.
void typeText(std::wstring_view text);

// The message box open over the window, if any.
HWND messageBox(HWND owner);

// What a message box shows, read when it opens; its OK button is then clicked.
struct BoxReading {
    bool seen = false;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
    bool icon = false;
};

class WindowDriver {
public:
    explicit WindowDriver(HWND window) : window_(window) {}

    [[nodiscard]] HWND window() const { return window_; }

    // The window's control of that name.
    [[nodiscard]] HWND control(std::string_view name) const {
        return win32::controlNamed(window_, name);
    }
    [[nodiscard]] HWND list(ListId id) const { return control(main_window::objectName(id)); }

    [[nodiscard]] std::wstring text(ListId id) const { return windowText(list(id)); }
    [[nodiscard]] std::vector<std::wstring> entries(ListId id) const {
        return win32::entryTexts(list(id));
    }
    [[nodiscard]] bool dropped(ListId id) const {
        return SendMessageW(list(id), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    }
    // How much of the list's field is selected.
    [[nodiscard]] std::size_t selectedLength(ListId id) const {
        const auto selection = SendMessageW(list(id), CB_GETEDITSEL, 0, 0);
        return static_cast<std::size_t>(HIWORD(selection) - LOWORD(selection));
    }
    [[nodiscard]] std::vector<std::wstring> results() const {
        return {windowText(control("txtHours")), windowText(control("txtDays"))};
    }
    // The control that holds the focus, a list for its field.
    [[nodiscard]] HWND focused() const;
    [[nodiscard]] bool checked(Command command) const {
        return (GetMenuState(GetMenu(window_), static_cast<UINT>(command), MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    }

    // As a desktop does when a popup or a box closes.
    [[nodiscard]] bool activate() const;
    [[nodiscard]] bool clickInto(ListId id) const;
    // Down or Up in the list until its field shows the entry.
    [[nodiscard]] bool pickByKeys(ListId id, std::wstring_view entry) const;
    // A click on the list's arrow, then on the entry in its drop-down.
    [[nodiscard]] bool pickByPopup(ListId id, std::wstring_view entry) const;
    // Replaces the list's text by typing, after selecting all of it.
    [[nodiscard]] bool type(ListId id, std::wstring_view typed) const;
    [[nodiscard]] bool press(std::string_view button) const;
    // Opens the menu from the menu bar and clicks the item, which runs its command.
    [[nodiscard]] bool chooseFromMenuBar(Command command) const;
    // Reads the next message box as soon as it opens and clicks its OK button. The reading is
    // the caller's and the handler's both, as the box may open after the caller has gone.
    [[nodiscard]] std::shared_ptr<const BoxReading> readNextBox() const;

private:
    HWND window_;
};

} // namespace hourvault::testing
