#pragma once

#include <array>

class QAction;
class QMenuBar;

namespace hourvault {

// The menu items the main window answers.
struct MainMenus {
    QAction* clear = nullptr;
    QAction* exit = nullptr;
    QAction* model16 = nullptr;
    QAction* model9 = nullptr;
    QAction* ntsc = nullptr;
    QAction* pal = nullptr;
    QAction* glossary = nullptr;
    QAction* about = nullptr;

    [[nodiscard]] std::array<QAction*, 8> all() const {
        return {clear, exit, model16, model9, ntsc, pal, glossary, about};
    }
};

// File, Model, Format and Help, with their captions, separators, check marks and shortcut
// keys as the window opens.
[[nodiscard]] MainMenus buildMainMenus(QMenuBar& bar);

} // namespace hourvault
