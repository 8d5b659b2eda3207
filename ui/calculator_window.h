#pragma once

#include "calculator.h"
#include "list_leave_rule.h"
#include "main_layout.h"
#include "main_menus.h"
#include "window_primitives.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace hourvault {

class HelpWindow;
class ListLeaveWatch;
class ShortcutForwarder;

// The program's main window. Constructing it runs the start-up, so the window is complete
// before it is first shown.
class CalculatorWindow : public QMainWindow, private WindowPrimitives {
    Q_OBJECT

public:
    CalculatorWindow();
    ~CalculatorWindow() override;

    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

private:
    // What the calculator may do to the window.
    [[nodiscard]] int selectionIndex(ListId list) const override;
    [[nodiscard]] std::string shownText(ListId list) const override;
    void clearList(ListId list) override;
    void appendEntry(ListId list, std::string_view text) override;
    void setShownText(ListId list, std::string_view text) override;
    void setResultText(ResultBox box, std::string_view text) override;
    void focusList(ListId list) override;
    void showMessage(std::string_view text, std::string_view title) override;

    [[nodiscard]] OptionList& list(ListId id) const;
    void connectEvents();
    // The model and format in force: check marks, pictures and the format label.
    void showSettings();
    void setTakesCommands(bool takes);
    void openHelpWindow(HelpWindow* window);
    void returnFromHelpWindow(HelpWindow& window);

    Calculator calculator_{*this};
    ListLeaveRule leaveRule_{calculator_};
    MainControls controls_;
    MainMenus menus_;
    std::unique_ptr<ShortcutForwarder> shortcuts_;
    ListLeaveWatch* leaveWatch_ = nullptr;
    bool takesCommands_ = true;
    QPointer<HelpWindow> helpWindow_;
    QPointer<QWidget> focusBeforeHelp_;
};

} // namespace hourvault
