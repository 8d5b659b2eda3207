#pragma once

// The main window as both front-ends' tests expect it: its size, where some of its controls
// sit, the order Tab visits them in, and its menus.

#include <array>
#include <string_view>

namespace hourvault::expected {

// The client area below the menu bar, in pixels at 100 %; it is fixed.
inline constexpr int clientWidth = 613;
inline constexpr int clientHeight = 343;

// Tab goes round these from Calculate, and Shift+Tab the other way.
inline constexpr std::array<std::string_view, 10> focusRound{
    "cmdCalculate", "cmdClear",   "audio",   "frameRate", "cameras",
    "hddsize",      "resolution", "quality", "txtDays",   "txtHours"};

// The menu bar as a user reads it as the window opens, each menu's title then its items: the
// caption, the shortcut, and whether it carries a check mark now; a separator is "-".
struct MenuLine {
    const char* name;
    const char* caption;
    const char* shortcut = "";
    bool checked = false;
};
inline constexpr std::array<MenuLine, 14> menuLines{{
    {"mnuFile", "File"},
    {"mnuClear", "Clear", "Ctrl+C"},
    {"mnuHyphen", "-"},
    {"mnuExit", "Exit", "Ctrl+X"},
    {"mnuModel", "Model"},
    {"mnu16", "TX-4160 (16 channel)", "", true},
    {"mnu9", "TX-4090 (9 channel)"},
    {"mnuFormat", "Format"},
    {"mnuNTSC", "NTSC", "", true},
    {"mnuPAL", "PAL"},
    {"mnuHelp", "Help"},
    {"mnuGlossary", "Glossary", "Ctrl+G"},
    {"mnuHyphen1", "-"},
    {"mnuAbout", "About 'Hourvault'"},
}};

// Where some controls sit, in pixels of the client area at 100 %; the banner sticks out to the
// left.
struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr Place places[]{
    {"cameras", 224, 40, 153, 21}, {"txtHours", 501, 288, 53, 21},
    {"txtDays", 424, 256, 41, 21}, {"cmdCalculate", 224, 248, 153, 33},
    {"favor16", 0, 56, 200, 247},  {"TX4090", 24, 304, 162, 32},
    {"Picture3", -8, 0, 177, 57},  {"txtFormat", 152, 273, 33, 17},
};

} // namespace hourvault::expected
