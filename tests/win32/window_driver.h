#pragma once

// Drives the Windows program's windows as a user does, by real input (SendInput): the pointer
// moves and clicks, keys are pressed and text is typed, and the program's own message loop
// handles it all. Reads back what a user sees: texts, entries, check marks, what shows, where
// the focus is. The steps that can fail return false, so that the test names the failing line.

#include "control_ids.h"
#include "message_loop.h"
#include "text.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace hourvault::testing {

using win32::wide;
using win32::windowText;

// Handles the program's messages for a while, or until the condition holds; false if it never
// did. Long enough for a machine under load: only a failing test waits it out.
inline bool waitFor(const std::function<bool()>& condition, DWORD milliseconds = 10000) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            win32::handleMessage(message);
        }
        if (condition && condition()) {
            return true;
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return condition && condition();
}

inline void settle(DWORD milliseconds = 150) {
    waitFor({}, milliseconds);
}

struct Pending {
    std::function<bool()> condition;
    std::function<void()> action;
    DWORD deadline;
};

inline std::vector<Pending>& pendingActions() {
    static std::vector<Pending> pending;
    return pending;
}

inline void CALLBACK runPending(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/,
                                DWORD /*time*/) {
    auto& pending = pendingActions();
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (pending[i].condition() || static_cast<LONG>(pending[i].deadline - GetTickCount()) < 0) {
            const auto action = pending[i].action;
            pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
            action();
            return;
        }
    }
}

// Runs the action from inside whatever loop handles messages next, a message box's or a
// menu's included, once the condition holds (or after half a minute, for the test to fail on).
inline void when(std::function<bool()> condition, std::function<void()> action) {
    static const UINT_PTR timer = SetTimer(nullptr, 0, 20, runPending);
    (void)timer;
    pendingActions().push_back({std::move(condition), std::move(action), GetTickCount() + 30000});
}

inline void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline void clickAt(POINT at) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move;
    down.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    INPUT up = move;
    up.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    send({move});
    settle(30);
    send({down, up});
}

// A click in the middle of the window, or this far from its right edge.
inline void click(HWND window, int fromRight = 0) {
    RECT box{};
    GetWindowRect(window, &box);
    clickAt({fromRight > 0 ? box.right - fromRight : (box.left + box.right) / 2,
             (box.top + box.bottom) / 2});
}

inline INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A key, with the keys held while it is pressed.
inline void key(WORD pressed, std::vector<WORD> held = {}) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : held) {
        inputs.push_back(keyInput(modifier, false));
    }
    inputs.push_back(keyInput(pressed, false));
    inputs.push_back(keyInput(pressed, true));
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) {
        inputs.push_back(keyInput(*modifier, true));
    }
    send(inputs);
    settle(40);
}

// Keys pressed one after another, all sent before any is handled: one of them may open a loop
// of its own (Alt, the menu bar's) that the ones after it must reach.
inline void keys(std::initializer_list<WORD> pressed) {
    std::vector<INPUT> inputs;
    for (const WORD each : pressed) {
        inputs.push_back(keyInput(each, false));
        inputs.push_back(keyInput(each, true));
    }
    send(inputs);
    settle(100);
}

// Text as typed, whatever the keyboard: each character as itself.
inline void typeText(std::wstring_view text) {
    for (const wchar_t character : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = character;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        send({down, up});
    }
    settle(60);
}

inline BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    wchar_t name[16]{};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The message box open over the window, if any.
inline HWND messageBox(HWND owner) {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&found));
    return found != nullptr && GetWindow(found, GW_OWNER) == owner ? found : nullptr;
}

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
        for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (win32::controlName(GetDlgCtrlID(child)) == name) {
                return child;
            }
        }
        return nullptr;
    }
    [[nodiscard]] HWND list(ListId id) const { return control(main_window::objectName(id)); }

    [[nodiscard]] std::wstring text(ListId id) const { return windowText(list(id)); }
    [[nodiscard]] std::vector<std::wstring> entries(ListId id) const {
        std::vector<std::wstring> texts;
        const auto count = SendMessageW(list(id), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring entry(
                static_cast<std::size_t>(SendMessageW(list(id), CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            entry.resize(static_cast<std::size_t>(
                SendMessageW(list(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
            texts.push_back(entry);
        }
        return texts;
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
    [[nodiscard]] HWND focused() const {
        HWND focus = GetFocus();
        return focus != nullptr && GetParent(focus) != window_ && IsChild(window_, focus)
                   ? GetParent(focus)
                   : focus;
    }
    [[nodiscard]] bool checked(Command command) const {
        return (GetMenuState(GetMenu(window_), static_cast<UINT>(command), MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    }

    // As a desktop does when a popup or a box closes.
    [[nodiscard]] bool activate() const {
        SetForegroundWindow(window_);
        return waitFor([this] { return GetForegroundWindow() == window_; });
    }

    [[nodiscard]] bool clickInto(ListId id) const {
        if (!activate()) {
            return false;
        }
        click(list(id));
        return waitFor([this, id] { return focused() == list(id); });
    }

    // Down or Up in the list until its field shows the entry.
    [[nodiscard]] bool pickByKeys(ListId id, std::wstring_view entry) const {
        const auto all = entries(id);
        const auto at = std::find(all.begin(), all.end(), entry);
        if (at == all.end() || !clickInto(id)) {
            return false;
        }
        for (int step = 0; step < 20 && text(id) != entry; ++step) {
            const auto shown = std::find(all.begin(), all.end(), text(id));
            key(shown == all.end() || shown < at ? VK_DOWN : VK_UP);
        }
        return text(id) == entry;
    }

    // A click on the list's arrow, then on the entry in its drop-down.
    [[nodiscard]] bool pickByPopup(ListId id, std::wstring_view entry) const {
        const auto all = entries(id);
        const auto at = std::find(all.begin(), all.end(), entry);
        if (at == all.end() || !activate()) {
            return false;
        }
        click(list(id), 8);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!waitFor([&] { return dropped(id); }) || !GetComboBoxInfo(list(id), &info)) {
            return false;
        }
        const auto index = static_cast<WPARAM>(at - all.begin());
        SendMessageW(info.hwndList, LB_SETTOPINDEX, index, 0);
        RECT item{};
        SendMessageW(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(info.hwndList, &middle);
        clickAt(middle);
        return waitFor([&] { return !dropped(id) && text(id) == entry; });
    }

    // Replaces the list's text by typing, after selecting all of it.
    [[nodiscard]] bool type(ListId id, std::wstring_view typed) const {
        if (!clickInto(id)) {
            return false;
        }
        key(VK_HOME);
        key(VK_END, {VK_SHIFT});
        typeText(typed);
        return text(id) == typed;
    }

    [[nodiscard]] bool press(std::string_view button) const {
        if (!activate()) {
            return false;
        }
        click(control(button));
        settle();
        return true;
    }

    // Opens the menu from the menu bar and clicks the item, which runs its command.
    [[nodiscard]] bool chooseFromMenuBar(Command command) const {
        HMENU bar = GetMenu(window_);
        for (int title = 0; title < GetMenuItemCount(bar); ++title) {
            HMENU menu = GetSubMenu(bar, title);
            for (int item = 0; item < GetMenuItemCount(menu); ++item) {
                if (GetMenuItemID(menu, item) == static_cast<UINT>(command)) {
                    return choose(bar, title, menu, item);
                }
            }
        }
        return false;
    }

    // Reads the next message box as soon as it opens and clicks its OK button.
    void readNextBox(BoxReading& reading) const {
        HWND owner = window_;
        when([owner] { return messageBox(owner) != nullptr; },
             [owner, &reading] {
                 HWND box = messageBox(owner);
                 if (box == nullptr) {
                     return;
                 }
                 reading.seen = true;
                 reading.title = windowText(box);
                 reading.text = windowText(GetDlgItem(box, 0xFFFF));
                 HWND ok = nullptr;
                 for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
                      child = GetWindow(child, GW_HWNDNEXT)) {
                     wchar_t name[16]{};
                     GetClassNameW(child, name, 16);
                     if (std::wstring_view(name) == L"Button" && IsWindowVisible(child)) {
                         reading.buttons.push_back(windowText(child));
                         ok = child;
                     }
                     // An icon's place may be there, empty; an icon is a picture in it.
                     reading.icon = reading.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
                 }
                 clickUntilClosed(box, ok);
             });
    }

private:
    // A click on the box's button; again while the box stays, as a click may come before the
    // window manager has put the box where it shows.
    static void clickUntilClosed(HWND box, HWND button, int attempts = 10) {
        click(button);
        if (attempts > 1) {
            const DWORD next = GetTickCount() + 1000;
            when([box,
                  next] { return !IsWindow(box) || static_cast<LONG>(next - GetTickCount()) < 0; },
                 [box, button, attempts] {
                     if (IsWindow(box) && IsWindowVisible(box)) {
                         clickUntilClosed(box, button, attempts - 1);
                     }
                 });
        }
    }

    [[nodiscard]] bool choose(HMENU bar, int title, HMENU menu, int item) const {
        if (!activate()) {
            return false;
        }
        RECT box{};
        GetMenuItemRect(window_, bar, static_cast<UINT>(title), &box);
        bool clicked = false;
        // The menu runs a loop of its own until it closes: the item is clicked from inside it.
        when(
            [menu] {
                RECT shown{};
                return GetMenuItemRect(nullptr, menu, 0, &shown) != FALSE;
            },
            [menu, item, &clicked] {
                RECT entry{};
                GetMenuItemRect(nullptr, menu, static_cast<UINT>(item), &entry);
                clickAt({(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
                clicked = true;
            });
        clickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
        return waitFor([&clicked] { return clicked; }) && (settle(), true);
    }

    HWND window_;
};

} // namespace hourvault::testing
