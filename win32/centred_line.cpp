#include "centred_line.h"

#include "gdi.h"
#include "window_class.h"

#include <windowsx.h>

namespace hourvault::win32 {

namespace {

// Each box's own procedure.
WindowData<WNDPROC> ownProcedures;

WNDPROC ownProcedure(HWND edit) {
    return ownProcedures.of(edit);
}

// The height of the edit's line: its font's.
int lineHeight(HWND edit) {
    const WindowDc screen(edit);
    const Selection font(screen.get(),
                         reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    return metrics.tmHeight;
}

// The client area the edit's own procedure makes of a window rectangle: the field as the box
// shows it.
RECT fieldOf(HWND edit, RECT window) {
    CallWindowProcW(ownProcedure(edit), edit, WM_NCCALCSIZE, FALSE,
                    reinterpret_cast<LPARAM>(&window));
    return window;
}

void paintAroundLine(HWND edit) {
    RECT window{};
    GetWindowRect(edit, &window);
    RECT field = fieldOf(edit, window);
    RECT line{};
    GetClientRect(edit, &line);
    MapWindowPoints(edit, HWND_DESKTOP, reinterpret_cast<POINT*>(&line), 2);
    OffsetRect(&field, -window.left, -window.top);
    OffsetRect(&line, -window.left, -window.top);
    const WindowDc whole(edit, true);
    HDC target = whole.get();
    ExcludeClipRect(target, line.left, line.top, line.right, line.bottom);
    // The brush the edit paints its own background with, asked for as the edit asks.
    const bool editable =
        (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0 && IsWindowEnabled(edit);
    auto* brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(edit), editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(target), reinterpret_cast<LPARAM>(edit)));
    FillRect(target, &field, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
}

LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC own = ownProcedure(edit);
    switch (message) {
    case WM_NCDESTROY:
        ownProcedures.release(edit);
        break;
    case WM_NCCALCSIZE: {
        const LRESULT result = CallWindowProcW(own, edit, message, wParam, lParam);
        RECT& client = wParam != FALSE ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                       : *reinterpret_cast<RECT*>(lParam);
        const int line = lineHeight(edit);
        if (const int spare = static_cast<int>(client.bottom - client.top) - line; spare > 0) {
            client.top += spare / 2;
            client.bottom = client.top + line;
        }
        return result;
    }
    case WM_NCPAINT: {
        const LRESULT result = CallWindowProcW(own, edit, message, wParam, lParam);
        paintAroundLine(edit);
        return result;
    }
    case WM_NCHITTEST: {
        RECT window{};
        GetWindowRect(edit, &window);
        const RECT field = fieldOf(edit, window);
        if (const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; PtInRect(&field, at)) {
            return HTCLIENT;
        }
        break;
    }
    case WM_SETFONT: {
        // A new font, a new line height: the client area is worked out again.
        const LRESULT result = CallWindowProcW(own, edit, message, wParam, lParam);
        SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(own, edit, message, wParam, lParam);
}

} // namespace

void centreLine(HWND edit) {
    if (edit == nullptr || ownProcedure(edit) != nullptr) {
        return;
    }
    ownProcedures.keep(edit, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC)));
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace hourvault::win32
