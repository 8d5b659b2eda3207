#pragma once

#include "help_handoff.h"
#include "main_layout.h"
#include "main_menus.h"
#include "main_window_controller.h"

#include <QMainWindow>

#include <memory>

namespace hourvault {

class ListLeaveWatch;
class ShortcutForwarder;

// The program's main window. Constructing it runs the start-up, so the window is complete
// before it is first shown.
class CalculatorWindow : public QMainWindow, private MainWindowOperations {
    Q_OBJECT

public:
    CalculatorWindow();
    ~CalculatorWindow() override;

    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

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

    // What only the toolkit can do.
    void showSettings(const Settings& settings) override;
    void enableCommands(bool enabled) override;
    void openHelpWindow(HelpWindowKind which) override;
    void endProgram() override;
    [[nodiscard]] std::string resultText(ResultBox box) const override;
    [[nodiscard]] std::string decimalSeparator() const override;

    void connectEvents();

    MainWindowController controller_{*this};
    MainControls controls_;
    MainMenus menus_;
    std::unique_ptr<ShortcutForwarder> shortcuts_;
    ListLeaveWatch* leaveWatch_ = nullptr;
    HelpHandoff help_{*this, [this] { controller_.helpWindowClosed(); }};
};

} // namespace hourvault
