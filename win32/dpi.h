#pragma once

#include "twips.h"

#include <windows.h>

namespace hourvault::win32 {

// The dots per inch of the monitor the window is on, where Windows tells it (10 and later,
// per-monitor), else of the screen.
[[nodiscard]] UINT dpiOf(HWND window);

// A place from the layout tables in pixels at a resolution, shifted by an origin in twips (a
// frame's corner) that is rounded on its own, as the frame itself is.
[[nodiscard]] RECT pixelRect(const TwipsRect& place, UINT dpi, TwipsPoint origin = {0, 0});

// The outer size of a window whose client area below its menu bar has this size.
[[nodiscard]] SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, bool menu, UINT dpi);

// A system metric at a resolution: an icon's size, for one.
[[nodiscard]] int metricAt(int index, UINT dpi);

// After a change of resolution (WM_DPICHANGED, its lParam): the window moves to the place
// Windows suggests and keeps the size it has laid itself out at.
void moveToSuggested(HWND window, LPARAM suggested);

// Centres the window on the work area of the monitor it is on, keeping its title bar on it.
void centreOnMonitor(HWND window, HWND beside);

} // namespace hourvault::win32
