#pragma once

#include "help_windows.h"
#include "lists.h"
#include "main_window.h"

#include <cstddef>
#include <optional>
#include <string_view>

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
[[nodiscard]] inline std::string_view controlName(int id, const HelpWindowSpec* help = nullptr) {
    const auto row = [id](int first, std::size_t rows) {
        return id >= first && static_cast<std::size_t>(id - first) < rows
                   ? static_cast<std::size_t>(id - first)
                   : rows;
    };
    if (help != nullptr) {
        const std::size_t at = row(helpControlsFirstId, help->controls.size());
        return at < help->controls.size() ? help->controls[at].name : "";
    }
    if (const std::size_t at = row(mainControlsFirstId, main_window::controls.size());
        at < main_window::controls.size()) {
        return main_window::controls.at(at).name;
    }
    if (const std::size_t at = row(resultControlsFirstId, main_window::resultControls.size());
        at < main_window::resultControls.size()) {
        return main_window::resultControls.at(at).name;
    }
    if (const std::size_t at = row(listsFirstId, main_window::listPlaces.size());
        at < main_window::listPlaces.size()) {
        return main_window::listPlaces.at(at).name;
    }
    return "";
}

} // namespace hourvault::win32
