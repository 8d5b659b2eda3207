#pragma once

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
};

// File, Model, Format and Help, with their captions, separators, check marks and shortcut
// keys as the window opens.
[[nodiscard]] MainMenus buildMainMenus(QMenuBar& bar);

} // namespace hourvault
