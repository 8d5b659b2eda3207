#pragma once

#include "gdi.h"
#include "twips.h"

#include <windows.h>

#include <array>

namespace hourvault::win32 {

// The main window's icons for the resolution it is drawn at: the window class's are those for
// 96 dots per inch; for another, they are loaded at its size and kept while the window shows
// them.
class MainIcons {
public:
    void show(HWND window, UINT dpi);
    // Once the window no longer shows them.
    void release();

private:
    UINT dpi_ = standardDpi;
    std::array<Icon, 2> icons_; // big and small
};

} // namespace hourvault::win32
