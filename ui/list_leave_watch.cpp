#include "list_focus_watch.h"

#include "option_list.h"

#include <QApplication>
#include <QMenuBar>

#include <utility>

namespace hourvault {

ListFocusWatch::ListFocusWatch(QWidget& window, QList<OptionList*> lists)
    : QObject(&window), window_(window), lists_(std::move(lists)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        // The menu bar only holds the focus on the way to a menu or back to the list; menus,
        // drop-downs, boxes and other windows are windows of their own. While the window is
        // hidden for a help window, Qt may still hand the focus on within it (on a late
        // activation), which is no one leaving the list.
        if (now != nullptr && now->window() == &window_ && window_.isVisible() &&
            qobject_cast<QMenuBar*>(now) == nullptr) {
            arrive(*now);
        }
    });
}

void ListFocusWatch::arrive(QWidget& control) {
    OptionList* leaving = held_;
    held_ = listOf(control);
    if (leaving != nullptr && leaving != held_) {
        emit left(leaving);
    }
}

OptionList* ListFocusWatch::listOf(const QWidget& control) const {
    for (OptionList* list : lists_) {
        if (list == &control || list->isAncestorOf(&control)) {
            return list;
        }
    }
    return nullptr;
}

} // namespace hourvault
