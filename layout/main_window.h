#pragma once

#include "chrome.h"
#include "layout_row.h"
#include "lists.h"
#include "settings.h"

#include <array>
#include <span>
#include <string_view>

namespace hourvault::main_window {

inline constexpr const char* name = "calculator";
inline constexpr const char* caption = "OSTREL  Hourvault";
// The client area below the menu bar; it is fixed.
inline constexpr TwipsRect client{0, 0, 9195, 5145};
inline constexpr Look look{chrome::black, chrome::white};

// The client area's own controls, in stacking order: where two overlap, the one listed first
// lies on top.
extern const std::array<LayoutRow, 16> controls;
// The result frame's own controls, from the frame's corner; each unit names its box.
extern const std::array<LayoutRow, 4> resultControls;

// Each list sits at the same place inside a frame of its own, which names it.
struct ListPlace {
    ListId list;
    const char* name;
    Role role;
    Role frame;
};
inline constexpr std::array<ListPlace, 6> listPlaces{{
    {ListId::cameras, "cameras", Role::cameras, Role::camerasFrame},
    {ListId::resolution, "resolution", Role::resolution, Role::resolutionFrame},
    {ListId::quality, "quality", Role::quality, Role::qualityFrame},
    {ListId::frameRate, "frameRate", Role::frameRate, Role::frameRateFrame},
    {ListId::audio, "audio", Role::audio, Role::audioFrame},
    {ListId::hddsize, "hddsize", Role::hddsize, Role::hddsizeFrame},
}};
inline constexpr TwipsRect listPlace{240, 360, 2295, 315};

// The list's name as its control carries it.
[[nodiscard]] constexpr std::string_view objectName(ListId list) {
    return listPlaces.at(indexOf(list)).name;
}

static_assert(inListOrder(listPlaces), "listPlaces must hold one row per list, in ListId's order");

// Tab and Shift+Tab visit the controls in this order, from Calculate round again.
extern const std::array<Role, 10> focusOrder;

// The result frame's diagonal line, from its lower-left to its upper-right, in the frame.
struct LineSpec {
    const char* name;
    const char* accessibleText;
    TwipsPoint from;
    TwipsPoint to;
    Rgb colour;
};
inline constexpr LineSpec line{"Line1", "Divider", {0, 1320}, {2760, 120}, chrome::white};

// The colours a kind of control paints in the main window.
[[nodiscard]] Look lookOf(ControlKind kind);

// The format label's font, which no other text uses: a Helvetica, bold.
struct FontSpec {
    const char* family;
    double points;
    bool bold;
};
inline constexpr FontSpec formatFont{"Helvetica", 8.25, true};

// What the format label and the Format menu say for each format.
[[nodiscard]] constexpr const char* formatCaption(Format format) {
    return format == Format::ntsc ? "NTSC" : "PAL";
}

// The pictures that show the model in force; each pair shares one place.
struct ModelPicture {
    Role role;
    Model model;
};
extern const std::array<ModelPicture, 4> modelPictures;

} // namespace hourvault::main_window
