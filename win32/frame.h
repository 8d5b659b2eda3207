#pragma once

#include "main_window.h"

#include <windows.h>

#include <optional>

namespace hourvault::win32 {

inline constexpr wchar_t frameClass[] = L"HourvaultFrame";

// A captioned frame drawn as the classic one, whatever the desktop's theme: an etched border
// that runs through the middle of the caption, which interrupts it near the left, in the
// window's chrome colours (white caption on black). The result frame also draws its diagonal
// line, which the controls inside lie above. It takes no focus and lets clicks through; its
// caption is its window text, in the font it is given with WM_SETFONT.
[[nodiscard]] HWND createFrame(HWND parent, int id, const wchar_t* caption, const RECT& place,
                               std::optional<main_window::LineSpec> line);

} // namespace hourvault::win32
