#include "control_ids.h"

#include <algorithm>

namespace hourvault::win32 {

std::string_view controlName(int id, const HelpWindowSpec* help) {
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

std::vector<NamedControl> namedControls(HWND window, const HelpWindowSpec* help) {
    std::vector<NamedControl> named;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (const std::string_view name = controlName(GetDlgCtrlID(child), help); !name.empty()) {
            named.push_back({name, child});
        }
    }
    return named;
}

HWND controlNamed(HWND window, std::string_view name, const HelpWindowSpec* help) {
    const std::vector<NamedControl> named = namedControls(window, help);
    const auto found = std::find_if(named.begin(), named.end(),
                                    [name](const NamedControl& each) { return each.name == name; });
    return found != named.end() ? found->control : nullptr;
}

} // namespace hourvault::win32
