#include "message_loop.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <vector>

namespace hourvault::win32 {

namespace {

HWND shortcutWindow = nullptr;
HACCEL shortcutTable = nullptr;
std::vector<ACCEL> shortcutKeys;

struct SecondClick {
    HWND window = nullptr;
    DWORD time = 0;
    POINT at{};
    bool eating = false;
} secondClick;

bool isOurs(HWND window, const wchar_t* kind) {
    wchar_t name[64]{};
    return window != nullptr && GetClassNameW(window, name, 64) > 0 && std::wcscmp(name, kind) == 0;
}

HWND rootOf(HWND window) {
    return window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
}

// The drop-down list whose field holds the focus, if it is open.
HWND openDropDown(HWND focus) {
    for (HWND window = focus; window != nullptr; window = GetParent(window)) {
        if (SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
            wchar_t name[32]{};
            GetClassNameW(window, name, 32);
            if (_wcsicmp(name, L"ComboBox") == 0) {
                return window;
            }
        }
    }
    return nullptr;
}

bool isShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN || (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        return false;
    }
    return std::any_of(shortcutKeys.begin(), shortcutKeys.end(), [&message](const ACCEL& key) {
        return (key.fVirt & FCONTROL) != 0 && key.key == message.wParam;
    });
}

bool isPushButton(HWND window) {
    wchar_t name[16]{};
    if (window == nullptr || GetClassNameW(window, name, 16) == 0 ||
        _wcsicmp(name, L"Button") != 0) {
        return false;
    }
    const auto type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Tab into a field selects its text, as in a dialog, so that typing replaces it.
void focusInTurn(HWND control) {
    SetFocus(control);
    wchar_t name[16]{};
    GetClassNameW(control, name, 16);
    if (_wcsicmp(name, L"ComboBox") == 0) {
        SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    } else if (_wcsicmp(name, L"Edit") == 0) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

// Tab, Enter and Escape as a dialog answers them. Not by IsDialogMessageW: the windows are plain
// windows, not dialogs, which keep no default button, so there it would send Enter to the window
// as IDOK and Escape as IDCANCEL rather than press the focused button and nothing else.
bool handleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    HWND root = rootOf(message.hwnd);
    if (!isOurs(root, mainWindowClass) && !isOurs(root, helpWindowClass)) {
        return false;
    }
    HWND focus = GetFocus();
    const bool held =
        (GetKeyState(VK_CONTROL) & 0x8000) != 0 || (GetKeyState(VK_MENU) & 0x8000) != 0;
    switch (message.wParam) {
    case VK_TAB:
        if (held) {
            return false;
        }
        // As in a dialog, an open drop-down closes, keeping the entry the arrows picked, and the
        // focus moves on.
        if (HWND dropped = openDropDown(focus)) {
            SendMessageW(dropped, CB_SHOWDROPDOWN, FALSE, 0);
        }
        if (HWND next = GetNextDlgTabItem(root, focus, (GetKeyState(VK_SHIFT) & 0x8000) != 0)) {
            focusInTurn(next);
        }
        return true;
    case VK_RETURN:
        // An open drop-down takes its entry on Enter; otherwise only a focused button answers.
        if (openDropDown(focus) != nullptr) {
            return false;
        }
        if (isPushButton(focus)) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return true;
    case VK_ESCAPE:
        return openDropDown(focus) == nullptr;
    default:
        return false;
    }
}

bool eatSecondClick(const MSG& message) {
    const bool down = message.message == WM_LBUTTONDOWN || message.message == WM_LBUTTONDBLCLK;
    if (secondClick.window == nullptr ||
        (!down && !(secondClick.eating && message.message == WM_LBUTTONUP))) {
        return false;
    }
    if (secondClick.eating) { // its release
        secondClick = {};
        return true;
    }
    const POINT at{static_cast<short>(LOWORD(GetMessagePos())),
                   static_cast<short>(HIWORD(GetMessagePos()))};
    const bool second = rootOf(message.hwnd) == secondClick.window &&
                        message.time - secondClick.time <= GetDoubleClickTime() &&
                        std::abs(at.x - secondClick.at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                        std::abs(at.y - secondClick.at.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    if (!second) {
        secondClick = {};
        return false;
    }
    secondClick.eating = true;
    return true;
}

} // namespace

void setShortcuts(HWND window, HACCEL shortcuts) {
    shortcutWindow = window;
    shortcutTable = shortcuts;
    shortcutKeys.resize(shortcuts != nullptr
                            ? static_cast<std::size_t>(CopyAcceleratorTableW(shortcuts, nullptr, 0))
                            : 0);
    if (!shortcutKeys.empty()) {
        CopyAcceleratorTableW(shortcuts, shortcutKeys.data(),
                              static_cast<int>(shortcutKeys.size()));
    }
}

void guardSecondClick(HWND window) {
    const DWORD at = GetMessagePos();
    secondClick = {window,
                   static_cast<DWORD>(GetMessageTime()),
                   {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))},
                   false};
}

void handleMessage(MSG& message) {
    if (eatSecondClick(message)) {
        return;
    }
    if (shortcutWindow != nullptr && IsWindowVisible(shortcutWindow) &&
        IsWindowEnabled(shortcutWindow) &&
        (message.hwnd == shortcutWindow || IsChild(shortcutWindow, message.hwnd))) {
        // An open drop-down holds the mouse, and then no shortcut is translated: it closes
        // first.
        if (isShortcut(message)) {
            if (HWND dropped = openDropDown(GetFocus())) {
                SendMessageW(dropped, CB_SHOWDROPDOWN, FALSE, 0);
            }
        }
        if (TranslateAcceleratorW(shortcutWindow, shortcutTable, &message) != 0) {
            return;
        }
    }
    if (handleDialogKey(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        handleMessage(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace hourvault::win32
