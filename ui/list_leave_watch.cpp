#include "list_leave_watch.h"

#include "main_window_controller.h"
#include "option_list.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

namespace hourvault {

ListLeaveWatch::ListLeaveWatch(QWidget& window, const std::array<OptionList*, 6>& lists,
                               const QList<QPushButton*>& commands,
                               MainWindowController& controller)
    : QObject(&window), window_(window), lists_(lists), controller_(controller) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (now != nullptr && now->window() == &window_ &&
            qobject_cast<QMenuBar*>(now) == nullptr && watching()) {
            controller_.focusArrived(listOf(*now));
        }
    });
    for (const ListId id : allLists) {
        OptionList* list = lists_.at(indexOf(id));
        connect(list, &OptionList::edited, this,
                [this, id, list] { controller_.textArrived(id, window_.focusWidget() == list); });
    }
    for (QPushButton* button : commands) {
        // A click gives the button the focus before it is pressed; a press by an assistive tool
        // must do the same. In a window that is not active, the focus moves unseen.
        connect(button, &QPushButton::pressed, this, [this, button] {
            if (watching()) {
                button->setFocus(Qt::OtherFocusReason);
                controller_.focusArrived(std::nullopt);
            }
        });
    }
}

bool ListLeaveWatch::watching() const {
    return window_.isVisible() && QApplication::activeModalWidget() == nullptr;
}

std::optional<ListId> ListLeaveWatch::listOf(const QWidget& control) const {
    for (const ListId id : allLists) {
        const OptionList* list = lists_.at(indexOf(id));
        if (list == &control || list->isAncestorOf(&control)) {
            return id;
        }
    }
    return std::nullopt;
}

} // namespace hourvault
