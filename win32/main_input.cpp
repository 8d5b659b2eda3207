#include "main_input.h"

#include "control_ids.h"

namespace hourvault::win32 {

void MainInput::controlEvent(int id, int code, HWND sender) {
    if (const auto which = listOf(id)) {
        OptionList& option = layout_.list(*which);
        switch (option.onNotification(code)) {
        case OptionList::Event::picked:
            controller_.entryChosen(*which);
            return;
        case OptionList::Event::edited:
            controller_.textArrived(*which, option.hasFocus());
            return;
        case OptionList::Event::focused:
            lastFocus_ = option.hwnd();
            controller_.focusArrived(*which);
            return;
        case OptionList::Event::none:
            return;
        }
    }
    const bool button =
        sender == layout_.control(Role::calculate) || sender == layout_.control(Role::clear);
    if ((button && code == BN_SETFOCUS) || (!button && code == EN_SETFOCUS)) {
        lastFocus_ = sender;
        controller_.focusArrived(std::nullopt);
        return;
    }
    if (button && code == BN_CLICKED) {
        controller_.pressed(sender == layout_.control(Role::calculate) ? Button::calculate
                                                                       : Button::clear);
    }
}

void MainInput::menuCommand(Command command) {
    // A shortcut may come while a drop-down is open: it closes first.
    if (controller_.takesInput()) {
        for (const OptionList& option : layout_.lists()) {
            option.closeDropDown();
        }
    }
    controller_.command(command);
}

void MainInput::giveFocusBack() const {
    SetFocus(lastFocus_);
}

void MainInput::windowReturned(HWND window) const {
    if (lastFocus_ != nullptr) {
        if (HWND focus = GetFocus(); focus == nullptr || !IsChild(window, focus)) {
            SetFocus(lastFocus_);
        }
    }
}

} // namespace hourvault::win32
