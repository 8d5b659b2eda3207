#include "window_driver.h"

#include "message_loop.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace hourvault::testing {

namespace {

struct Pending {
    std::function<bool()> condition;
    std::function<void()> action;
    DWORD deadline;
};

std::vector<Pending> pending;

void CALLBACK runPending(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
    const auto ready = std::find_if(pending.begin(), pending.end(), [](const Pending& each) {
        return each.condition() || static_cast<LONG>(each.deadline - GetTickCount()) < 0;
    });
    if (ready != pending.end()) {
        const auto action = ready->action;
        pending.erase(ready);
        action();
    }
}

// Runs the action from inside whatever loop handles messages next, a message box's or a
// menu's included, once the condition holds (or after half a minute, for the test to fail on).
void when(std::function<bool()> condition, std::function<void()> action) {
    static const UINT_PTR timer = SetTimer(nullptr, 0, 20, runPending);
    (void)timer;
    pending.push_back({std::move(condition), std::move(action), GetTickCount() + 30000});
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void clickAt(POINT at) {
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

POINT middle(const RECT& box) {
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// A click in the middle of the window, or this far from its right edge.
void click(HWND window, int fromRight = 0) {
    RECT box{};
    GetWindowRect(window, &box);
    clickAt({fromRight > 0 ? box.right - fromRight : middle(box).x, middle(box).y});
}

// A click on the box's button; again while the box stays, as a click may come before the
// window manager has put the box where it shows.
void clickUntilClosed(HWND box, HWND button, int attempts = 10) {
    click(button);
    if (attempts > 1) {
        const DWORD next = GetTickCount() + 1000;
        when([box, next] { return !IsWindow(box) || static_cast<LONG>(next - GetTickCount()) < 0; },
             [box, button, attempts] {
                 if (IsWindow(box) && IsWindowVisible(box)) {
                     clickUntilClosed(box, button, attempts - 1);
                 }
             });
    }
}

INPUT keyInput(WORD key, bool up, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = (flags & KEYEVENTF_UNICODE) != 0 ? 0 : key;
    input.ki.wScan = (flags & KEYEVENTF_UNICODE) != 0 ? key : 0;
    input.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

std::wstring classOf(HWND window) {
    wchar_t name[16]{};
    GetClassNameW(window, name, 16);
    return name;
}

BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    if (classOf(window) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The menu bar's title clicked, then the item in the menu it opens.
bool clickMenuItem(HWND window, HMENU bar, int title, HMENU menu, int item) {
    RECT box{};
    GetMenuItemRect(window, bar, static_cast<UINT>(title), &box);
    // Shared with the click, which comes when the menu opens: after this has given up, if late.
    const auto clicked = std::make_shared<bool>(false);
    // The menu runs a loop of its own until it closes: the item is clicked from inside it.
    when(
        [menu] {
            RECT shown{};
            return GetMenuItemRect(nullptr, menu, 0, &shown) != FALSE;
        },
        [menu, item, clicked] {
            RECT entry{};
            // A menu that never opened is left alone: the click would land on whatever is there.
            if (GetMenuItemRect(nullptr, menu, static_cast<UINT>(item), &entry) == FALSE) {
                return;
            }
            clickAt(middle(entry));
            *clicked = true;
        });
    clickAt(middle(box));
    return waitFor([clicked] { return *clicked; }) && (settle(), true);
}

} // namespace

bool waitFor(const std::function<bool()>& condition, DWORD milliseconds) {
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

void settle(DWORD milliseconds) {
    waitFor({}, milliseconds);
}

void key(WORD pressed, std::vector<WORD> held) {
    // Down in order, up the other way round.
    held.push_back(pressed);
    std::vector<INPUT> inputs;
    for (const WORD each : held) {
        inputs.push_back(keyInput(each, false));
    }
    for (auto each = held.rbegin(); each != held.rend(); ++each) {
        inputs.push_back(keyInput(*each, true));
    }
    send(inputs);
    settle(40);
}

void keys(std::initializer_list<WORD> pressed) {
    std::vector<INPUT> inputs;
    for (const WORD each : pressed) {
        inputs.push_back(keyInput(each, false));
        inputs.push_back(keyInput(each, true));
    }
    send(inputs);
    settle(100);
}

void typeText(std::wstring_view text) {
    for (const wchar_t character : text) {
        send({keyInput(character, false, KEYEVENTF_UNICODE),
              keyInput(character, true, KEYEVENTF_UNICODE)});
    }
    settle(60);
}

HWND messageBox(HWND owner) {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&found));
    return found != nullptr && GetWindow(found, GW_OWNER) == owner ? found : nullptr;
}

HWND WindowDriver::focused() const {
    HWND focus = GetFocus();
    return focus != nullptr && GetParent(focus) != window_ && IsChild(window_, focus)
               ? GetParent(focus)
               : focus;
}

bool WindowDriver::activate() const {
    SetForegroundWindow(window_);
    return waitFor([this] { return GetForegroundWindow() == window_; });
}

bool WindowDriver::clickInto(ListId id) const {
    if (!activate()) {
        return false;
    }
    click(list(id));
    return waitFor([this, id] { return focused() == list(id); });
}

bool WindowDriver::pickByKeys(ListId id, std::wstring_view entry) const {
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

bool WindowDriver::pickByPopup(ListId id, std::wstring_view entry) const {
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
    POINT shown = middle(item);
    ClientToScreen(info.hwndList, &shown);
    clickAt(shown);
    return waitFor([&] { return !dropped(id) && text(id) == entry; });
}

bool WindowDriver::type(ListId id, std::wstring_view typed) const {
    if (!clickInto(id)) {
        return false;
    }
    key(VK_HOME);
    key(VK_END, {VK_SHIFT});
    typeText(typed);
    return text(id) == typed;
}

bool WindowDriver::press(std::string_view button) const {
    if (!activate()) {
        return false;
    }
    click(control(button));
    settle();
    return true;
}

bool WindowDriver::chooseFromMenuBar(Command command) const {
    HMENU bar = GetMenu(window_);
    for (int title = 0; title < GetMenuItemCount(bar); ++title) {
        HMENU menu = GetSubMenu(bar, title);
        for (int item = 0; item < GetMenuItemCount(menu); ++item) {
            if (GetMenuItemID(menu, item) == static_cast<UINT>(command)) {
                return activate() && clickMenuItem(window_, bar, title, menu, item);
            }
        }
    }
    return false;
}

std::shared_ptr<const BoxReading> WindowDriver::readNextBox() const {
    HWND owner = window_;
    auto reading = std::make_shared<BoxReading>();
    when([owner] { return messageBox(owner) != nullptr; },
         [owner, reading] {
             HWND box = messageBox(owner);
             if (box == nullptr) {
                 return;
             }
             reading->seen = true;
             reading->title = windowText(box);
             reading->text = windowText(GetDlgItem(box, 0xFFFF));
             HWND ok = nullptr;
             for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
                  child = GetWindow(child, GW_HWNDNEXT)) {
                 if (classOf(child) == L"Button" && IsWindowVisible(child)) {
                     reading->buttons.push_back(windowText(child));
                     ok = child;
                 }
                 // An icon's place may be there, empty; an icon is a picture in it.
                 reading->icon = reading->icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
             }
             clickUntilClosed(box, ok);
         });
    return reading;
}

} // namespace hourvault::testing
