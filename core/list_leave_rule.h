#pragma once

#include "lists.h"

#include <optional>

namespace hourvault {

class Calculator;

// When a list counts as left, whatever the window system. The window reports where the focus
// arrives and when text arrives in a list; this runs the list's checks (Calculator::listLeft)
// at the moment the list is left, in exactly these cases:
// - the focus arrives at another control of the window: a list, a button or a result box.
//   Whatever held the focus in between does not count (the menu bar or a menu, the list's own
//   drop-down, a message box, a help window, another program), and coming back to the list
//   itself leaves nothing;
// - a command button is pressed: the press counts as the focus arriving at the button, also
//   where the window system moves no focus (a press by an assistive tool, or in a window that
//   is not active), so the list's checks run before the command;
// - text arrives in a list that does not hold the focus (an assistive tool): no one is typing
//   there who could leave the list later, so it is left at once.
// The program's own refills and prompts reach the lists without raising any of these.
class ListLeaveRule {
public:
    explicit ListLeaveRule(Calculator& calculator) : calculator_(calculator) {}

    // The focus arrived at a list, or at another control of the window (no list).
    void focusArrived(std::optional<ListId> list);
    // A command button was pressed.
    void commandPressed() { focusArrived(std::nullopt); }
    // The list's text changed by anything but a pick or the program itself.
    void textArrived(ListId list, bool listHoldsFocus);

private:
    Calculator& calculator_;
    std::optional<ListId> held_;
};

} // namespace hourvault
