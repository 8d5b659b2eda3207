#pragma once

#include "accessible_names.h"
#include "help_window.h"
#include "main_colours.h"
#include "main_icons.h"
#include "main_input.h"
#include "main_layout.h"
#include "main_window_controller.h"
#include "window_class.h"

#include <windows.h>

#include <memory>

namespace hourvault::win32 {

// The program's main window, built from the layout tables. Constructing it runs the start-up,
// so the window is complete before it is first shown; it lives until the window is closed,
// which ends the program.
class CalculatorWindow final : private MainWindowOperations {
public:
    CalculatorWindow();
    ~CalculatorWindow() override;

    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    [[nodiscard]] HWND hwnd() const { return window_; }
    // Shown centred on its screen, Calculate focused; the accessibility annotations are made
    // once it has painted.
    void show(int how);

private:
    // What the controller may do to the window.
    [[nodiscard]] int selectionIndex(ListId list) const override;
    [[nodiscard]] std::string shownText(ListId list) const override;
    void clearList(ListId list) override;
    void appendEntry(ListId list, std::string_view text) override;
    void setShownText(ListId list, std::string_view text) override;
    void setResultText(ResultBox box, std::string_view text) override;
    void focusList(ListId list) override;
    void showMessage(std::string_view text, std::string_view title) override;
    void showSettings(const Settings& settings) override;
    void enableCommands(bool enabled) override;
    void openHelpWindow(HelpWindowKind which) override;
    void endProgram() override;
    [[nodiscard]] std::string resultText(ResultBox box) const override;
    [[nodiscard]] std::string decimalSeparator() const override;

    friend LRESULT CALLBACK ownedProcedure<CalculatorWindow>(HWND, UINT, WPARAM, LPARAM);
    void attach(HWND window) { window_ = window; }
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Every place, font and picture for a new resolution, and the window's size and icons.
    void layOut(UINT dpi);
    // The window's outer size at a resolution.
    [[nodiscard]] static SIZE windowSize(UINT dpi);
    void returnFromHelpWindow();

    MainWindowController controller_{*this};
    AccessibleNames names_;
    HWND window_ = nullptr;
    MainLayout layout_;
    MainInput input_{layout_, controller_};
    HMENU menu_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    MainColours colours_;
    MainIcons icons_;
    std::unique_ptr<HelpWindow> helpWindow_;
    bool closing_ = false;
};

} // namespace hourvault::win32
