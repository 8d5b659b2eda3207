#include "main_menus.h"

#include "text.h"

#include <vector>

namespace hourvault::win32 {

MainMenus buildMainMenus() {
    MainMenus menus{CreateMenu(), nullptr};
    std::vector<ACCEL> keys;
    for (const Menu& spec : mainMenus) {
        HMENU menu = CreatePopupMenu();
        for (const MenuItem& item : spec.items) {
            if (!item.command) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const auto id = static_cast<UINT_PTR>(*item.command);
            std::wstring caption = wide(item.caption);
            if (item.ctrlKey != 0) {
                caption += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(item.ctrlKey));
                keys.push_back(
                    {FVIRTKEY | FCONTROL, static_cast<WORD>(item.ctrlKey), static_cast<WORD>(id)});
            }
            AppendMenuW(menu, MF_STRING, id, caption.c_str());
        }
        AppendMenuW(menus.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                    wide(spec.caption).c_str());
    }
    menus.shortcuts = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return menus;
}

void showChecks(HMENU bar, const Settings& settings) {
    for (const Menu& menu : mainMenus) {
        // The menu's checkable items, which stand side by side, and the one in force.
        UINT first = 0;
        UINT last = 0;
        UINT inForce = 0;
        for (const MenuItem& item : menu.items) {
            if (item.command && (modelOf(*item.command) || formatOf(*item.command))) {
                const auto id = static_cast<UINT>(*item.command);
                first = first == 0 ? id : first;
                last = id;
                inForce = checked(*item.command, settings) ? id : inForce;
            }
        }
        if (inForce != 0) {
            CheckMenuRadioItem(bar, first, last, inForce, MF_BYCOMMAND);
        }
    }
}

} // namespace hourvault::win32
