#pragma once

#include "fonts.h"
#include "gdi.h"
#include "help_windows.h"

#include "window_class.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace hourvault::win32 {

class AccessibleNames;

// A window that takes the main window's place while it is open, About or Glossary, built from
// its table: a top-level window of its own, owned by none, so that with the main window hidden
// it is the program's one window on the taskbar. OK, Enter or Space on it, or closing the
// window through the window system, hides it and calls `dismissed`, which must not destroy the
// window from inside that call. Escape does nothing.
class HelpWindow {
public:
    HelpWindow(const HelpWindowSpec& spec, const AccessibleNames& names,
               std::function<void()> dismissed);
    ~HelpWindow();

    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    [[nodiscard]] HWND hwnd() const { return window_; }
    // Shown centred on the screen of the window it takes the place of, with OK focused.
    void show(HWND placeOf);

private:
    friend LRESULT CALLBACK ownedProcedure<HelpWindow>(HWND, UINT, WPARAM, LPARAM);
    void attach(HWND window) { window_ = window; }
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void layOut(UINT dpi);
    void dismiss();

    const HelpWindowSpec& spec_;
    const AccessibleNames& names_;
    std::function<void()> dismissed_;
    HWND window_ = nullptr;
    std::vector<HWND> controls_; // in the table's order
    HWND ok_ = nullptr;
    DialogFonts fonts_;
    Brush background_;
};

} // namespace hourvault::win32
