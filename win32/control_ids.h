#pragma once

#include "help_windows.h"
#include "lists.h"
#include "main_window.h"

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace hourvault::win32 {

// Each control's number in its window, from its row in the window's layout table, so that a
// control found by its number is known by its name, here and by the tests' reader.
inline constexpr int mainControlsFirstId = 1000;
inline constexpr int resultControlsFirstId = 1100;
inline constexpr int listsFirstId = 1200;
inline constexpr int helpControlsFirstId = 2000;

[[nodiscard]] constexpr int listId(ListId list) {
    return listsFirstId + static_cast<int>(indexOf(list));
}

// The list with the number; none for any other control.
[[nodiscard]] constexpr std::optional<ListId> listOf(int id) {
    const int index = id - listsFirstId;
    return index >= 0 && index < static_cast<int>(allLists.size())
               ? std::optional<ListId>(allLists.at(static_cast<std::size_t>(index)))
               : std::nullopt;
}

// The name of the control with the number in the main window or a help window; empty for
// none.
[[nodiscard]] std::string_view controlName(int id, const HelpWindowSpec* help = nullptr);

// The window's controls that have a name, in their stacking order, each with its name: how the
// tests, the reader and the benchmarks find a control, by what it is called.
struct NamedControl {
    std::string_view name;
    HWND control;
};
[[nodiscard]] std::vector<NamedControl> namedControls(HWND window,
                                                      const HelpWindowSpec* help = nullptr);
// The window's control of that name; null if it has none.
[[nodiscard]] HWND controlNamed(HWND window, std::string_view name,
                                const HelpWindowSpec* help = nullptr);

} // namespace hourvault::win32
