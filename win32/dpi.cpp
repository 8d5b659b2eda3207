#include "dpi.h"

#include "gdi.h"
#include "system_library.h"

#include <algorithm>

namespace hourvault::win32 {

namespace {

// Functions newer than the oldest Windows the program runs on, looked up where they exist.
template <typename Function> Function user32(const char* name) {
    static const HMODULE module = GetModuleHandleW(L"user32.dll");
    return systemFunction<Function>(module, name);
}

} // namespace

UINT dpiOf(HWND window) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = user32<GetDpiForWindow>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        if (const UINT dpi = forWindow(window); dpi != 0) {
            return dpi;
        }
    }
    // Before Windows 10 1607: the monitor's own resolution (from Windows 8.1), which is what a
    // window that declares itself aware of each monitor's is scaled for; else the system's. Its
    // library is loaded only where a window asks: the screen's resolution needs none.
    using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    if (window != nullptr) {
        static const auto forMonitor =
            systemFunction<GetDpiForMonitor>(systemLibrary(L"shcore.dll"), "GetDpiForMonitor");
        UINT x = 0;
        UINT y = 0;
        if (forMonitor != nullptr &&
            SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) &&
            y != 0) {
            return y;
        }
    }
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<UINT>(dpi) : standardDpi;
}

RECT pixelRect(const TwipsRect& place, UINT dpi, TwipsPoint origin) {
    const int d = static_cast<int>(dpi);
    const int left = pixels(origin.x, d) + pixels(place.left, d);
    const int top = pixels(origin.y, d) + pixels(place.top, d);
    return {left, top, left + pixels(place.width, d), top + pixels(place.height, d)};
}

SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, UINT dpi) {
    RECT outer{0, 0, client.cx, client.cy};
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr || !adjustForDpi(&outer, style, menu, exStyle, dpi)) {
        AdjustWindowRectEx(&outer, style, menu, exStyle);
    }
    return {outer.right - outer.left, outer.bottom - outer.top};
}

int metricAt(int index, UINT dpi) {
    using MetricsForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = user32<MetricsForDpi>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, dpi);
    }
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(dpiOf(nullptr)));
}

void moveToSuggested(HWND window, LPARAM suggested) {
    const auto* place = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(window, nullptr, place->left, place->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreOnMonitor(HWND window, HWND beside) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(beside, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    RECT frame{};
    GetWindowRect(window, &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    // A window larger than the screen keeps its title bar, and so its menus, within reach.
    const LONG left = std::max(area.left, area.left + (area.right - area.left - width) / 2);
    const LONG top = std::max(area.top, area.top + (area.bottom - area.top - height) / 2);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace hourvault::win32
