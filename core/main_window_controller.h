#pragma once

#include "calculator.h"
#include "commands.h"
#include "list_leave_rule.h"
#include "window_primitives.h"

#include <optional>
#include <string>

namespace hourvault {

// What the main window does besides the lists and result boxes: only what its toolkit can.
class MainWindowOperations : public WindowPrimitives {
public:
    // The model and format in force: the menus' check marks, the format's caption and the
    // model's pictures.
    virtual void showSettings(const Settings& settings) = 0;
    // Whether the menu commands can be chosen; never while a message box or a help window is
    // up. The controller refuses commands then all the same, however they come.
    virtual void enableCommands(bool enabled) = 0;
    // Hides the window and shows the help window in its place. Once it has given the place back,
    // the window shows itself again and tells the controller (helpWindowClosed).
    virtual void openHelpWindow(HelpWindowKind which) = 0;
    virtual void endProgram() = 0;
    // What a result box shows, whoever wrote it.
    [[nodiscard]] virtual std::string resultText(ResultBox box) const = 0;
    // The decimal separator in force at this moment.
    [[nodiscard]] virtual std::string decimalSeparator() const = 0;

protected:
    MainWindowOperations() = default;
};

// The main window's behaviour, for any toolkit: it owns the calculator and the rule for when a
// list is left, and takes input only while no message box or help window is up. The window
// translates its toolkit's notifications into these events and does what it is told.
class MainWindowController {
public:
    explicit MainWindowController(MainWindowOperations& window);

    MainWindowController(const MainWindowController&) = delete;
    MainWindowController& operator=(const MainWindowController&) = delete;

    // Every list showing its prompt, the settings shown.
    void startUp();
    [[nodiscard]] const Settings& settings() const { return calculator_.settings(); }
    [[nodiscard]] bool takesInput() const { return takesInput_; }

    // A menu command, by the menu or by its shortcut.
    void command(Command command);
    // A button pressed, by a click, a key or an assistive tool: the list it leaves is checked
    // first.
    void pressed(Button button);
    // A real pick in a list's drop-down.
    void entryChosen(ListId list);
    // The focus arrived at a list, or at another control of the window (no list).
    void focusArrived(std::optional<ListId> list);
    // The list's text changed by anything but a pick or the program itself.
    void textArrived(ListId list, bool listHoldsFocus);
    // The help window has given the window its place back.
    void helpWindowClosed();

private:
    // The window as the calculator reaches it: a message box closes the input while it is up,
    // and a result box is written only when its text changes, so a screen reader hears no
    // change that is none.
    class Gate final : public WindowPrimitives {
    public:
        Gate(MainWindowController& controller, MainWindowOperations& window)
            : controller_(controller), window_(window) {}
        [[nodiscard]] int selectionIndex(ListId list) const override;
        [[nodiscard]] std::string shownText(ListId list) const override;
        void clearList(ListId list) override;
        void appendEntry(ListId list, std::string_view text) override;
        void setShownText(ListId list, std::string_view text) override;
        void setResultText(ResultBox box, std::string_view text) override;
        void focusList(ListId list) override;
        void showMessage(std::string_view text, std::string_view title) override;

    private:
        MainWindowController& controller_;
        MainWindowOperations& window_;
    };

    void setTakesInput(bool takes);

    MainWindowOperations& window_;
    Gate gate_{*this, window_};
    Calculator calculator_{gate_};
    ListLeaveRule leaveRule_{calculator_};
    bool takesInput_ = true;
};

} // namespace hourvault
