#include "help_window.h"

#include "accessible_names.h"
#include "control_ids.h"
#include "dpi.h"
#include "dpi_messages.h"
#include "fonts.h"
#include "message_loop.h"
#include "pictures.h"
#include "text.h"
#include "window_class.h"

#include <oleacc.h>

namespace hourvault::win32 {

namespace {

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

} // namespace

HelpWindow::HelpWindow(const HelpWindowSpec& spec, const AccessibleNames& names,
                       std::function<void()> dismissed)
    : spec_(spec), names_(names), dismissed_(std::move(dismissed)),
      background_(CreateSolidBrush(colourOf(spec.look.background))) {
    // No icon of its own: the program's.
    static const bool registered =
        registerWindowClass(helpWindowClass, ownedProcedure<HelpWindow>, true);
    if (!registered) {
        return;
    }
    window_ =
        CreateWindowExW(0, helpWindowClass, wide(spec.caption).c_str(), style, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        return;
    }
    for (std::size_t row = 0; row < spec.controls.size(); ++row) {
        const LayoutRow& control = spec.controls[row];
        const int id = helpControlsFirstId + static_cast<int>(row);
        HWND made = nullptr;
        switch (control.kind) {
        case ControlKind::label:
            made = CreateWindowExW(0, L"STATIC", wide(control.text).c_str(),
                                   WS_CHILD | WS_VISIBLE | SS_NOPREFIX |
                                       (spec.centred ? SS_CENTER : SS_LEFT),
                                   0, 0, 0, 0, window_, reinterpret_cast<HMENU>(INT_PTR{id}),
                                   GetModuleHandleW(nullptr), nullptr);
            break;
        case ControlKind::picture:
            made = createPicture(window_, id, control);
            names_.role(made, ROLE_SYSTEM_GRAPHIC);
            break;
        case ControlKind::button:
            made = CreateWindowExW(0, L"BUTTON", wide(control.text).c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                                   window_, reinterpret_cast<HMENU>(INT_PTR{id}),
                                   GetModuleHandleW(nullptr), nullptr);
            ok_ = made;
            break;
        case ControlKind::frame:
        case ControlKind::formatLabel:
        case ControlKind::resultBox:
            break;
        }
        // A label's name is its text; a picture's text is its name.
        if (made != nullptr && control.accessibleText != nullptr &&
            control.kind != ControlKind::label && control.kind != ControlKind::picture) {
            names_.name(made, wide(control.accessibleText));
        }
        controls_.push_back(made);
    }
    // Where a picture and a label touch, the picture lies on top: it comes later in the table.
    for (HWND control : controls_) {
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    layOut(dpiOf(window_));
}

HelpWindow::~HelpWindow() {
    if (window_ != nullptr) {
        for (HWND control : controls_) {
            names_.forget(control);
        }
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void HelpWindow::show(HWND placeOf) {
    centreOnMonitor(window_, placeOf);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(ok_);
}

void HelpWindow::layOut(UINT dpi) {
    DialogFonts fonts(spec_.controls, dpi);
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        const RECT place = pixelRect(spec_.controls[row].place, dpi);
        SetWindowPos(controls_[row], nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[row], WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts.of(spec_.controls[row].name)), TRUE);
    }
    fonts_ = std::move(fonts);
    const RECT client = pixelRect(spec_.client, dpi);
    const SIZE outer = windowSizeFor({client.right, client.bottom}, style, 0, false, dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void HelpWindow::dismiss() {
    ShowWindow(window_, SW_HIDE);
    dismissed_();
}

LRESULT HelpWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == ok_ && HIWORD(wParam) == BN_CLICKED) {
            dismiss();
        }
        return 0;
    case WM_CLOSE:
        // Closed by the window system, as by OK: the main window comes back.
        dismiss();
        return 0;
    case WM_CTLCOLORSTATIC:
        return labelColours(reinterpret_cast<HDC>(wParam), spec_.look, background_.get());
    case WM_ERASEBKGND:
        return eraseWith(window_, reinterpret_cast<HDC>(wParam), background_.get());
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(ok_);
        }
        return 0;
    case WM_DPICHANGED:
        layOut(HIWORD(wParam));
        moveToSuggested(window_, lParam);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

} // namespace hourvault::win32
