// The floor for the Windows start-up comparison: an empty Win32 window with Hourvault's menus
// and client size, shown and painted the same way.

#include "main_window.h"
#include "menus.h"
#include "win32_first_paint_probe.h"

#include <windows.h>

#include <string>

namespace {

std::wstring wide(const char* text) {
    return {text, text + std::char_traits<char>::length(text)};
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = instance;
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    type.lpszClassName = L"EmptyWindow";
    RegisterClassExW(&type);
    HMENU bar = CreateMenu();
    for (const hourvault::Menu& menu : hourvault::mainMenus) {
        HMENU items = CreatePopupMenu();
        for (const hourvault::MenuItem& item : menu.items) {
            if (item.command) {
                AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(*item.command),
                            wide(item.caption).c_str());
            } else {
                AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
            }
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), wide(menu.caption).c_str());
    }
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, hourvault::pixels(hourvault::main_window::client.width),
               hourvault::pixels(hourvault::main_window::client.height)};
    AdjustWindowRectEx(&outer, style, TRUE, 0);
    HWND window = CreateWindowExW(0, L"EmptyWindow", L"Empty window", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                                  nullptr, bar, instance, nullptr);
    ShowWindow(window, show);
    hourvault::bench::reportFirstPaint(window);
}
