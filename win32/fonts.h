#pragma once

#include "control_spec.h"

#include <windows.h>

#include <span>

namespace hourvault::win32 {

// A font by family and size in points at a resolution; the caller deletes it.
[[nodiscard]] HFONT makeFont(const wchar_t* family, double points, bool bold, UINT dpi);

// The dialog font the windows' fixed boxes are laid out for, Microsoft Sans Serif at 8 points,
// one line 13 pixels high at 96 dots per inch; or, where the desktop draws a wider stand-in for
// it, that one as much narrower as it takes for every label of the table to hold its whole text
// and every frame its caption. The caller deletes it.
[[nodiscard]] HFONT makeDialogFont(std::span<const ControlSpec> controls, UINT dpi);

} // namespace hourvault::win32
