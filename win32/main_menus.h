#pragma once

#include "menus.h"

#include <windows.h>

namespace hourvault::win32 {

// The main window's menu bar, from the menu table: its captions and separators, each item's
// shortcut shown beside it, and the shortcuts' accelerator table, which its owner destroys.
struct MainMenus {
    HMENU bar = nullptr;
    HACCEL shortcuts = nullptr;
};
[[nodiscard]] MainMenus buildMainMenus();

// The model's and the format's in force checked, one radio item in each of their menus.
void showChecks(HMENU bar, const Settings& settings);

} // namespace hourvault::win32
