#pragma once

// The main window's cases that the window tests of both front-ends walk through, each with what
// a user then sees; the texts come from expected_texts.h.

#include "expected_texts.h"

#include <array>
#include <optional>
#include <string_view>

namespace hourvault::cases {

using expected::typical;

// How a list with typed text is left before Calculate is pressed: not at all (the click on
// Calculate leaves it), by Tab or by Shift+Tab.
enum class Leaving { none, tab, backtab };

// The first `picked` lists, from the top, get their typical choice; text typed into a list and
// left; then Calculate names the first list without a choice and gives it the focus.
struct MissingChoice {
    std::string_view name;
    std::size_t picked;
    std::optional<ListId> typedInto;
    std::string_view typed;
    Leaving leaving;
    ListId missing;
};

inline constexpr std::array<MissingChoice, 10> missingChoices{{
    {"nothing chosen", 0, {}, "", Leaving::none, ListId::cameras},
    {"all but the resolution", 1, {}, "", Leaving::none, ListId::resolution},
    {"all but the quality", 2, {}, "", Leaving::none, ListId::quality},
    {"all but the rate", 3, {}, "", Leaving::none, ListId::frameRate},
    {"all but the audio", 4, {}, "", Leaving::none, ListId::audio},
    {"all but the disk", 5, {}, "", Leaving::none, ListId::hddsize},
    // Leaving a typed text brings the prompt back, the click on Calculate included.
    {"cameras typed, Tab", 6, ListId::cameras, "5", Leaving::tab, ListId::cameras},
    {"cameras typed, Calculate", 6, ListId::cameras, "5", Leaving::none, ListId::cameras},
    {"resolution typed, Shift+Tab", 6, ListId::resolution, typical.choice(ListId::resolution),
     Leaving::backtab, ListId::resolution},
    {"hddsize typed, Calculate", 6, ListId::hddsize, typical.choice(ListId::hddsize), Leaving::none,
     ListId::hddsize},
}};

// Menu commands by their items' names, then the last one from the menu bar, or the Clear
// button, after every list has its first entry, a result is on display and text is typed into
// a list but not left. Every list is then rebuilt for the model and format in force, and the
// focus stays where it was: in that list, its prompt selected, so that typing replaces it.
struct SettingsCommands {
    std::string_view name;
    std::array<std::string_view, 4> steps; // the last one given is the one watched
    ListId typedInto;
    Model model;
    Format format;
};

inline constexpr std::array<SettingsCommands, 8> settingsCommands{{
    {"TX-4160 PAL", {"mnuPAL"}, ListId::cameras, Model::tx4160, Format::pal},
    {"TX-4090 NTSC", {"mnu9"}, ListId::audio, Model::tx4090, Format::ntsc},
    {"TX-4090 PAL", {"mnuPAL", "mnu9"}, ListId::hddsize, Model::tx4090, Format::pal},
    {"TX-4160 NTSC, back from TX-4090 PAL",
     {"mnu9", "mnuPAL", "mnu16", "mnuNTSC"},
     ListId::frameRate,
     Model::tx4160,
     Format::ntsc},
    {"NTSC again", {"mnuNTSC"}, ListId::resolution, Model::tx4160, Format::ntsc},
    {"TX-4090 again", {"mnu9", "mnu9"}, ListId::quality, Model::tx4090, Format::ntsc},
    {"File > Clear keeps TX-4090 PAL",
     {"mnu9", "mnuPAL", "mnuClear"},
     ListId::cameras,
     Model::tx4090,
     Format::pal},
    {"Clear button keeps TX-4090 PAL",
     {"mnu9", "mnuPAL", "cmdClear"},
     ListId::audio,
     Model::tx4090,
     Format::pal},
}};

// "9" typed into the rate list and left by Tab, after these picks.
struct RateLeaving {
    std::string_view name;
    bool cameras;           // its typical choice picked
    bool resolutionRetyped; // the resolution picked, then typed over and left
    std::string_view shown; // in the rate list afterwards
    bool rebuilt;           // the rate list holds the typical rates, else nothing
};

inline constexpr std::array<RateLeaving, 3> rateLeavings{{
    {"resolution typed over: prompt, entries kept", true, true, expected::prompt(ListId::frameRate),
     true},
    {"resolution but no cameras: typed text stays", false, false, "9", false},
    {"both chosen: prompt, rebuilt", true, false, expected::prompt(ListId::frameRate), true},
}};

// What the typical resolution and camera count offer as rates.
inline constexpr std::array<std::string_view, 4> typicalRates{"7", "3", "2", "1"};

// Results in German: a decimal comma, and no grouping sign in whole hours. Each request picks
// its choices over the one before; an empty choice keeps the list as it is.
struct LocaleRequest {
    std::array<std::string_view, 6> choices;
    std::string_view hours;
    std::string_view days;
};

inline constexpr std::string_view decimalCommaLocale = "de_DE";
inline constexpr std::array<LocaleRequest, 2> decimalCommaRequests{{
    {{"16", "360 x 240 (CIF)", "Q4 (8KB)", "7", "8 kHz Audio (8KB/sec)", "500 GB"}, "161,1", "6,7"},
    {{"1", "", "Q7 (11KB)", "30", "12 kHz Audio (12KB/sec)", "1.2 TB"}, "1022", "42,6"},
}};

} // namespace hourvault::cases
