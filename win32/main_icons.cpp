#include "main_icons.h"

#include "pictures.h"

#include <utility>

namespace hourvault::win32 {

void MainIcons::show(HWND window, UINT dpi) {
    const bool classIcons = std::exchange(dpi_, dpi) == dpi;
    if (classIcons) {
        return;
    }
    // The icons at this resolution, in place of those loaded here before, if any.
    for (const int kind : {ICON_BIG, ICON_SMALL}) {
        if (HICON icon = loadProgramIcon(kind, dpi)) {
            SendMessageW(window, WM_SETICON, static_cast<WPARAM>(kind),
                         reinterpret_cast<LPARAM>(icon));
            icons_.at(kind == ICON_BIG ? 0 : 1).reset(icon);
        }
    }
}

void MainIcons::release() {
    for (Icon& icon : icons_) {
        icon.reset();
    }
}

} // namespace hourvault::win32
