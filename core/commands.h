#pragma once

#include "settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace hourvault {

// What the main window's menu items do; also each item's command number in the Win32 window.
enum class Command : std::uint16_t {
    clear = 100,
    exit,
    model16,
    model9,
    ntsc,
    pal,
    glossary,
    about,
};
inline constexpr std::array allCommands{Command::clear,    Command::exit, Command::model16,
                                        Command::model9,   Command::ntsc, Command::pal,
                                        Command::glossary, Command::about};
inline constexpr std::size_t commandCount = allCommands.size();

[[nodiscard]] constexpr std::size_t indexOf(Command command) {
    return static_cast<std::size_t>(command) - static_cast<std::size_t>(Command::clear);
}
static_assert(indexOf(allCommands.back()) + 1 == commandCount, "commands are numbered in a row");

// The model or format a check item stands for; none for other items.
[[nodiscard]] constexpr std::optional<Model> modelOf(Command command) {
    switch (command) {
    case Command::model16:
        return Model::tx4160;
    case Command::model9:
        return Model::tx4090;
    default:
        return std::nullopt;
    }
}

[[nodiscard]] constexpr std::optional<Format> formatOf(Command command) {
    switch (command) {
    case Command::ntsc:
        return Format::ntsc;
    case Command::pal:
        return Format::pal;
    default:
        return std::nullopt;
    }
}

// The main window's two buttons.
enum class Button : std::uint8_t { calculate, clear };

// The windows that take the main window's place.
enum class HelpWindowKind : std::uint8_t { glossary, about };

} // namespace hourvault
