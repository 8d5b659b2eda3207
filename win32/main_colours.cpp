#include "main_colours.h"

#include "window_class.h"

namespace hourvault::win32 {

MainColours::MainColours() : chrome_(CreateSolidBrush(colourOf(main_window::look.background))) {}

LRESULT MainColours::of(HDC target, HWND control, const MainLayout& layout) const {
    if (control == layout.control(Role::hours) || control == layout.control(Role::days)) {
        // Read-only boxes keep the desktop's colours for a text field.
        SetTextColor(target, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(target, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return labelColours(target,
                        main_window::lookOf(control == layout.control(Role::format)
                                                ? ControlKind::formatLabel
                                                : ControlKind::label),
                        chrome_.get());
}

LRESULT MainColours::erase(HWND window, HDC target) const {
    return eraseWith(window, target, chrome_.get());
}

} // namespace hourvault::win32
