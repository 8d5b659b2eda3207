#pragma once

#include "chrome.h"
#include "layout_row.h"

#include <span>

namespace hourvault {

// A window that takes the main window's place while it is open: fixed texts and pictures, and
// one OK button. Every label paints the window's look and wraps its text at word boundaries;
// text that does not fit its label's height is cut off.
struct HelpWindowSpec {
    const char* name;
    const char* caption;
    TwipsRect client;
    Look look;
    bool centred; // the labels' text, else left-aligned
    std::span<const LayoutRow> controls;
};

// What the program is for, how far its result can be trusted, its version and the recorder
// models it covers, with the maker's two logos.
extern const HelpWindowSpec aboutWindow;
// The six choices of the main window explained: the term on the left, its explanation beside.
extern const HelpWindowSpec glossaryWindow;

} // namespace hourvault
