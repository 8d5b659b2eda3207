#pragma once

#include "gdi.h"
#include "layout_row.h"

#include <windows.h>

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace hourvault::win32 {

// A font by family and size in points at a resolution; the caller deletes it.
[[nodiscard]] HFONT makeFont(const wchar_t* family, double points, bool bold, UINT dpi);

// A window's dialog fonts at a resolution, deleted with it: the font the windows' fixed boxes
// are laid out for, Microsoft Sans Serif at 8 points, one line 13 pixels high at 96 dots per
// inch. Where the desktop draws a wider stand-in for it and a label's box cannot hold its whole
// text, the labels all get that font as much lower as it takes, as the texts are drawn; a frame
// whose caption does not fit gets its own. Never narrower: a narrowed stand-in spaces its
// letters unevenly.
class DialogFonts {
public:
    DialogFonts() = default;
    DialogFonts(std::span<const LayoutRow> controls, UINT dpi);

    // The font of the table's control of that name, the dialog font for any other.
    [[nodiscard]] HFONT of(std::string_view name) const;

private:
    [[nodiscard]] HFONT dialog() const;

    std::vector<Font> owned_; // the dialog font first
    std::vector<std::pair<std::string_view, HFONT>> byName_;
};

} // namespace hourvault::win32
