#pragma once

#include "layout_row.h"

#include <windows.h>

namespace hourvault::win32 {

// A picture box for a layout table's row, at its place, shown or not: the picture built into the
// program under its file name (the row's text), at its natural size from its top-left corner,
// cut off at the box's edges; what it shows (the row's accessible text) is the window's text,
// which screen readers name it by. Above 100 % it is drawn from its twice-as-large twin
// (name@2x), by the layout's rule (drawsTwin); either is drawn at the screen's scale, so it is
// placed and cut off as at 100 %. A main-window picture
// comes as a bitmap of what its box shows, drawn as it is at 100 % and 200 % and by GDI+ at
// other scales; a help window's picture is read from its file by GDI+. It is drawn when first
// painted, and again after a change of resolution (WM_DPICHANGED_AFTERPARENT). A picture that
// cannot be drawn is reported to the debugger and shown as an empty frame. GDI+ starts through
// ProgramServices, which must live.
[[nodiscard]] HWND createPicture(HWND parent, int id, const LayoutRow& row, const RECT& place = {},
                                 bool shown = true);

// The program's icon, sized for a resolution: ICON_BIG or ICON_SMALL.
[[nodiscard]] HICON loadProgramIcon(int kind, UINT dpi);

} // namespace hourvault::win32
