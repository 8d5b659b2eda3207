#include "calculator_window.h"

#include "main_menus.h"

#include "decimal_separator.h"
#include "dpi.h"
#include "dpi_messages.h"
#include "message_loop.h"
#include "text.h"

namespace hourvault::win32 {

namespace {

constexpr DWORD windowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Posted when a help window has gone, for it to be destroyed outside its own messages.
constexpr UINT helpWindowGone = WM_APP + 1;
// Posted once the window has first painted: what only screen readers need starts then.
constexpr UINT firstPainted = WM_APP + 2;

} // namespace

CalculatorWindow::CalculatorWindow() {
    static const bool registered =
        registerWindowClass(mainWindowClass, ownedProcedure<CalculatorWindow>, true);
    if (!registered) {
        return;
    }
    const MainMenus menus = buildMainMenus();
    menu_ = menus.bar;
    shortcuts_ = menus.shortcuts;
    // Made at its size for the screen's resolution; shown centred by show().
    const UINT screenDpi = dpiOf(nullptr);
    const SIZE outer = windowSize(screenDpi);
    window_ = CreateWindowExW(0, mainWindowClass, wide(main_window::caption).c_str(), windowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, menu_,
                              GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        return;
    }
    // The monitor it opens on may have a resolution of its own.
    const UINT dpi = dpiOf(window_);
    if (dpi != screenDpi) {
        const SIZE sized = windowSize(dpi);
        SetWindowPos(window_, nullptr, 0, 0, sized.cx, sized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    layout_.create(window_, dpi, controller_.settings(), names_);
    // Start-up: NTSC and the 16-channel model, every list rebuilt and showing its prompt.
    controller_.startUp();
    layout_.drawHeld();
    icons_.show(window_, dpi);
    input_.remember(layout_.control(Role::calculate));
    setShortcuts(window_, shortcuts_);
}

CalculatorWindow::~CalculatorWindow() {
    setShortcuts(nullptr, nullptr);
    helpWindow_.reset();
    if (window_ != nullptr) {
        closing_ = true;
        DestroyWindow(window_);
    }
    DestroyAcceleratorTable(shortcuts_);
}

void CalculatorWindow::show(int how) {
    centreOnMonitor(window_, window_);
    ShowWindow(window_, how);
    UpdateWindow(window_);
    PostMessageW(window_, firstPainted, 0, 0);
}

SIZE CalculatorWindow::windowSize(UINT dpi) {
    const RECT client = pixelRect(main_window::client, dpi);
    return windowSizeFor({client.right, client.bottom}, windowStyle, 0, true, dpi);
}

void CalculatorWindow::layOut(UINT dpi) {
    layout_.layOut(dpi);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    const SIZE outer = windowSize(dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    icons_.show(window_, dpi);
}

void CalculatorWindow::showSettings(const Settings& settings) {
    showChecks(menu_, settings);
    for (const auto& [role, model] : main_window::modelPictures) {
        const bool shown = (GetWindowLongPtrW(layout_.control(role), GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != (model == settings.model)) {
            ShowWindow(layout_.control(role), shown ? SW_HIDE : SW_SHOW);
        }
    }
    if (const std::wstring format = wide(main_window::formatCaption(settings.format));
        format != windowText(layout_.control(Role::format))) {
        SetWindowTextW(layout_.control(Role::format), format.c_str());
    }
}

void CalculatorWindow::enableCommands(bool /*enabled*/) {
    // Nothing to grey: a window under its message box is disabled, and one that gave its place
    // to a help window is hidden, so no one can open its menus; the controller refuses what an
    // assistive tool sends all the same.
}

void CalculatorWindow::openHelpWindow(HelpWindowKind which) {
    helpWindow_ =
        std::make_unique<HelpWindow>(which == HelpWindowKind::about ? aboutWindow : glossaryWindow,
                                     names_, [this] { returnFromHelpWindow(); });
    // Hiding keeps everything as it is: no list is left, and the focus comes back to it.
    ShowWindow(window_, SW_HIDE);
    helpWindow_->show(window_);
}

void CalculatorWindow::returnFromHelpWindow() {
    controller_.helpWindowClosed();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    input_.giveFocusBack();
    PostMessageW(window_, helpWindowGone, 0, 0);
}

void CalculatorWindow::endProgram() {
    DestroyWindow(window_);
}

std::string CalculatorWindow::resultText(ResultBox box) const {
    return utf8(windowText(layout_.control(box == ResultBox::hours ? Role::hours : Role::days)));
}

std::string CalculatorWindow::decimalSeparator() const {
    return win32::decimalSeparator();
}

LRESULT CalculatorWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (closing_) {
            return 0;
        }
        if (lParam != 0) {
            input_.controlEvent(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        } else {
            input_.menuCommand(static_cast<Command>(LOWORD(wParam)));
        }
        layout_.drawHeld();
        return 0;
    case WM_CTLCOLORSTATIC:
        return colours_.of(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), layout_);
    case WM_ERASEBKGND:
        return colours_.erase(window_, reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        if (message == WM_SETFOCUS || LOWORD(wParam) != WA_INACTIVE) {
            input_.windowReturned(window_);
        }
        return 0;
    case WM_DPICHANGED:
        layOut(HIWORD(wParam));
        moveToSuggested(window_, lParam);
        return 0;
    case helpWindowGone:
        helpWindow_.reset();
        return 0;
    case firstPainted:
        names_.start();
        return 0;
    case WM_DESTROY: {
        // Ended by the user or the program ends the program; destroyed by its owner, the owner
        // goes on (as the tests do, a window each).
        const bool byOwner = closing_;
        closing_ = true;
        layout_.forgetNames(names_);
        if (!byOwner) {
            PostQuitMessage(0);
        }
        return 0;
    }
    case WM_NCDESTROY: {
        HWND window = window_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        // The window no longer shows its icons.
        icons_.release();
        return result;
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

int CalculatorWindow::selectionIndex(ListId id) const {
    return layout_.list(id).chosen();
}

std::string CalculatorWindow::shownText(ListId id) const {
    return utf8(layout_.list(id).text());
}

void CalculatorWindow::clearList(ListId id) {
    layout_.list(id).clearEntries();
}

void CalculatorWindow::appendEntry(ListId id, std::string_view text) {
    layout_.list(id).appendEntry(wide(text));
}

void CalculatorWindow::setShownText(ListId id, std::string_view text) {
    layout_.list(id).showText(wide(text));
}

void CalculatorWindow::setResultText(ResultBox box, std::string_view text) {
    SetWindowTextW(layout_.control(box == ResultBox::hours ? Role::hours : Role::days),
                   wide(text).c_str());
}

void CalculatorWindow::focusList(ListId id) {
    // As Tab does, so that typing replaces what the list shows.
    SetFocus(layout_.list(id).hwnd());
    layout_.list(id).selectText();
}

void CalculatorWindow::showMessage(std::string_view text, std::string_view title) {
    MessageBoxW(window_, wide(text).c_str(), wide(title).c_str(), MB_OK);
}

} // namespace hourvault::win32
