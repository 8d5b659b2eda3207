#pragma once

#include "chrome.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace hourvault::win32 {

// Registers a window class of the program's: its procedure and the arrow cursor, and for a
// top-level window the program's icon.
[[nodiscard]] bool registerWindowClass(const wchar_t* name, WNDPROC procedure,
                                       bool topLevel = false);

[[nodiscard]] constexpr COLORREF colourOf(const Rgb& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// A label's colours (WM_CTLCOLORSTATIC): the look's text on its background, which the brush
// paints; the brush is what the message returns.
LRESULT labelColours(HDC target, const Look& look, HBRUSH background);

// A window's background, painted with the brush (WM_ERASEBKGND).
LRESULT eraseWith(HWND window, HDC target, HBRUSH background);

// What the program keeps for each window of one of its classes, found by the window, none
// (Data{}) for another: kept here rather than in the window (GWLP_USERDATA), which under Wine
// costs a round trip to the server for each window made. Few windows, one thread.
template <typename Data> class WindowData {
public:
    void keep(HWND window, Data data) { kept_.emplace_back(window, data); }
    [[nodiscard]] Data of(HWND window) const {
        const auto found = std::find_if(kept_.begin(), kept_.end(), [window](const auto& kept) {
            return kept.first == window;
        });
        return found != kept_.end() ? found->second : Data{};
    }
    // The window's data, no longer kept.
    Data release(HWND window) {
        const Data data = of(window);
        std::erase_if(kept_, [window](const auto& kept) { return kept.first == window; });
        return data;
    }

private:
    std::vector<std::pair<HWND, Data>> kept_;
};

// The procedure of a class whose windows each belong to an object, the one passed to
// CreateWindowEx as its creation data: the object is told its window (attach) and handles
// the window's messages (onMessage), both of which it may keep private to this.
template <typename Owner>
LRESULT CALLBACK ownedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner =
            static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        owner->attach(window);
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return owner != nullptr ? owner->onMessage(message, wParam, lParam)
                            : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace hourvault::win32
