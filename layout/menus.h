#pragma once

#include "settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace hourvault {

// What each menu item does; also the item's command number in the Win32 window.
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
inline constexpr std::size_t commandCount = 8;

[[nodiscard]] constexpr std::size_t indexOf(Command command) {
    return static_cast<std::size_t>(command) - static_cast<std::size_t>(Command::clear);
}

// A menu item: a command with its caption and shortcut, or a separator (neither).
struct MenuItem {
    const char* name;
    const char* caption = nullptr;
    std::optional<Command> command;
    char ctrlKey = 0; // the shortcut is Ctrl and this letter; 0 for none
};

// A menu of the menu bar, with its items from top to bottom. The Model and Format items carry
// check marks, of which exactly one in each menu is set: the model or format in force.
struct Menu {
    const char* name;
    const char* caption;
    std::span<const MenuItem> items;
};

// File, Model, Format and Help, from left to right. Captions carry no access keys.
extern const std::array<Menu, 4> mainMenus;

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

} // namespace hourvault
