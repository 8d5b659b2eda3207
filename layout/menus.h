#pragma once

#include "commands.h"

#include <array>
#include <optional>
#include <span>

namespace hourvault {

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

// Whether a menu item carries its check mark: the model's and the format's in force.
[[nodiscard]] constexpr bool checked(Command command, const Settings& settings) {
    return modelOf(command) == settings.model || formatOf(command) == settings.format;
}

} // namespace hourvault
