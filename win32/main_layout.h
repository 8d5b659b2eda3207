#pragma once

#include "accessible_names.h"
#include "fonts.h"
#include "gdi.h"
#include "main_window.h"
#include "option_list.h"

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

namespace hourvault::win32 {

// The main window's controls, made from the layout tables in the window: each at its place and
// in its font for a resolution, in the stacking order Tab follows, named for screen readers.
class MainLayout {
public:
    MainLayout() = default;
    MainLayout(const MainLayout&) = delete;
    MainLayout& operator=(const MainLayout&) = delete;

    // Only the pictures of the model in force and the caption of the format in force show.
    void create(HWND window, UINT dpi, const Settings& start, AccessibleNames& names);
    // Every place and font for a new resolution.
    void layOut(UINT dpi);

    [[nodiscard]] HWND control(Role role) const {
        return byRole_.at(static_cast<std::size_t>(role));
    }
    [[nodiscard]] OptionList& list(ListId id) { return lists_.at(indexOf(id)); }
    [[nodiscard]] const OptionList& list(ListId id) const { return lists_.at(indexOf(id)); }
    [[nodiscard]] std::array<OptionList, 6>& lists() { return lists_; }
    // The lists' changes held while an event was handled, drawn.
    void drawHeld();
    // Before the controls go: the service keeps their names until then.
    void forgetNames(const AccessibleNames& names) const;

private:
    [[nodiscard]] HFONT fontOf(HWND control) const;

    // A control with its place in the layout tables, for each resolution.
    struct Placed {
        HWND control;
        TwipsRect place;
        TwipsPoint origin; // the corner of the frame it sits in
        std::optional<ListId> list;
    };

    std::array<OptionList, 6> lists_;
    std::array<HWND, static_cast<std::size_t>(Role::count)> byRole_{};
    std::vector<Placed> placed_;
    DialogFonts dialogFonts_;
    Font formatFont_;
};

} // namespace hourvault::win32
