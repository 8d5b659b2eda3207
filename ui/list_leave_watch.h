#pragma once

#include "lists.h"

#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QPushButton;
class QWidget;

namespace hourvault {

class MainWindowController;
class OptionList;

// Tells the window's controller (whose ListLeaveRule lists the cases) what happens in the
// window: where the focus arrives, whatever moved it (mouse, Tab, the program, an assistive
// tool); when a list's text changes by other means than a pick; when a command button is
// pressed, which takes the focus first, as a click does.
// Nothing counts while the window is hidden for a help window, where Qt may still hand the
// focus on within it on a late activation, or while a modal box is open; nor does the menu
// bar, which only holds the focus on the way to a menu or back to the list.
class ListLeaveWatch final : public QObject {
public:
    ListLeaveWatch(QWidget& window, const std::array<OptionList*, 6>& lists,
                   const QList<QPushButton*>& commands, MainWindowController& controller);

private:
    [[nodiscard]] bool watching() const;
    // The list the control is or belongs to (its field); none for any other control.
    [[nodiscard]] std::optional<ListId> listOf(const QWidget& control) const;

    QWidget& window_;
    std::array<OptionList*, 6> lists_;
    MainWindowController& controller_;
};

} // namespace hourvault
