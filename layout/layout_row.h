#pragma once

#include "twips.h"

#include <cstdint>
#include <span>
#include <stdexcept>

namespace hourvault {

enum class ControlKind : std::uint8_t { button, frame, label, picture, formatLabel, resultBox };

// What a window needs a control for once its table is built: to connect it, show or hide it,
// set the focus order or tie a label to it. Rows the window never needs again have none.
enum class Role : std::uint8_t {
    none,
    // The main window.
    calculate,
    clear,
    camerasFrame,
    resolutionFrame,
    qualityFrame,
    frameRateFrame,
    audioFrame,
    hddsizeFrame,
    resultFrame,
    cameras,
    resolution,
    quality,
    frameRate,
    audio,
    hddsize,
    days,
    hours,
    format,
    photo16,
    photo9,
    name16,
    name9,
    // A help window's OK button.
    ok,
    // The glossary's explanations, each named by its term.
    camerasExplained,
    resolutionExplained,
    qualityExplained,
    frameRateExplained,
    audioExplained,
    hddsizeExplained,
    count
};

// One row of a window's layout table. Every window is built from such a table, in the order
// its rows are listed, by every front-end.
struct LayoutRow {
    ControlKind kind;
    const char* name; // the control's name: its objectName, or its name in the Win32 window
    const char* text; // caption or label text; for a picture, its file in assets/
    // What assistive tools read besides the text: a button's, frame's or picture's name; for a
    // label, a description, because a label's name is its text, which must stay readable.
    const char* accessibleText;
    TwipsRect place;
    Role role = Role::none;
    Role labelFor = Role::none; // the control a label names, for assistive tools
};

// The table's row with that role. A role the table lacks is a mistake in the table: it stops
// the build where the tables are constant, and throws anywhere else.
[[nodiscard]] constexpr const LayoutRow& byRole(std::span<const LayoutRow> rows, Role role) {
    for (const LayoutRow& row : rows) {
        if (row.role == role) {
            return row;
        }
    }
    throw std::logic_error("no row has that role");
}

} // namespace hourvault
