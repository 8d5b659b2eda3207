#pragma once

#include "gdi.h"
#include "main_layout.h"

#include <windows.h>

namespace hourvault::win32 {

// The main window's colours: the chrome's background behind every control, the labels in the
// chrome's look (the format's caption in its own), and the result boxes in the desktop's colours
// for a text field.
class MainColours {
public:
    MainColours();

    // A static control's or read-only box's colours (WM_CTLCOLORSTATIC); the brush for its
    // background.
    [[nodiscard]] LRESULT of(HDC target, HWND control, const MainLayout& layout) const;
    // The window's background (WM_ERASEBKGND).
    LRESULT erase(HWND window, HDC target) const;

private:
    Brush chrome_;
};

} // namespace hourvault::win32
