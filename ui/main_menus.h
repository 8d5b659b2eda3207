#pragma once

#include "menus.h"

#include <QList>

#include <array>

class QAction;
class QActionGroup;
class QMenuBar;

namespace hourvault {

// The menu items the main window answers, by what they do.
struct MainMenus {
    std::array<QAction*, commandCount> byCommand{};
    // The Model and Format items; each carries its model or its format as its data.
    QActionGroup* models = nullptr;
    QActionGroup* formats = nullptr;

    [[nodiscard]] QAction* command(Command command) const { return byCommand.at(indexOf(command)); }
};

// File, Model, Format and Help, with their captions, separators and shortcut keys. Which model
// and format are checked is the window's to show.
[[nodiscard]] MainMenus buildMainMenus(QMenuBar& bar);

} // namespace hourvault
