#include "main_window_controller.h"

namespace hourvault {

MainWindowController::MainWindowController(MainWindowOperations& window) : window_(window) {}

void MainWindowController::startUp() {
    calculator_.startUp();
    window_.showSettings(calculator_.settings());
}

void MainWindowController::command(Command command) {
    if (!takesInput_) {
        return;
    }
    if (const auto model = modelOf(command)) {
        calculator_.selectModel(*model);
        window_.showSettings(calculator_.settings());
    } else if (const auto format = formatOf(command)) {
        calculator_.selectFormat(*format);
        window_.showSettings(calculator_.settings());
    } else if (command == Command::clear) {
        calculator_.resetInputs();
    } else if (command == Command::exit) {
        window_.endProgram();
    } else {
        // Hiding the window keeps everything as it is: no list is left.
        setTakesInput(false);
        window_.openHelpWindow(command == Command::about ? HelpWindowKind::about
                                                         : HelpWindowKind::glossary);
    }
}

void MainWindowController::pressed(Button button) {
    if (!takesInput_) {
        return;
    }
    // A press by an assistive tool moves no focus; it leaves the list all the same.
    leaveRule_.commandPressed();
    if (button == Button::calculate) {
        calculator_.calculate(window_.decimalSeparator());
    } else {
        calculator_.resetInputs();
    }
}

void MainWindowController::entryChosen(ListId list) {
    calculator_.entryChosen(list);
}

void MainWindowController::focusArrived(std::optional<ListId> list) {
    if (takesInput_) {
        leaveRule_.focusArrived(list);
    }
}

void MainWindowController::textArrived(ListId list, bool listHoldsFocus) {
    leaveRule_.textArrived(list, listHoldsFocus);
}

void MainWindowController::helpWindowClosed() {
    setTakesInput(true);
}

void MainWindowController::setTakesInput(bool takes) {
    takesInput_ = takes;
    window_.enableCommands(takes);
}

int MainWindowController::Gate::selectionIndex(ListId list) const {
    return window_.selectionIndex(list);
}

std::string MainWindowController::Gate::shownText(ListId list) const {
    return window_.shownText(list);
}

void MainWindowController::Gate::clearList(ListId list) {
    window_.clearList(list);
}

void MainWindowController::Gate::appendEntry(ListId list, std::string_view text) {
    window_.appendEntry(list, text);
}

void MainWindowController::Gate::setShownText(ListId list, std::string_view text) {
    window_.setShownText(list, text);
}

void MainWindowController::Gate::setResultText(ResultBox box, std::string_view text) {
    if (window_.resultText(box) != text) {
        window_.setResultText(box, text);
    }
}

void MainWindowController::Gate::focusList(ListId list) {
    window_.focusList(list);
}

void MainWindowController::Gate::showMessage(std::string_view text, std::string_view title) {
    controller_.setTakesInput(false);
    window_.showMessage(text, title);
    controller_.setTakesInput(true);
}

} // namespace hourvault
