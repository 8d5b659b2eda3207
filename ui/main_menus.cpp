#include "main_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace hourvault {

namespace {

// After Alt, or Escape out of a menu, the menu bar holds the keyboard focus on a title, which
// some styles mark only while its menu is open: the keyboard would then be nowhere to be seen.
class KeyboardFocusStyle final : public QProxyStyle {
public:
    explicit KeyboardFocusStyle(QWidget& bar) : QProxyStyle(QApplication::style()->name()) {
        setParent(&bar);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item != nullptr && widget != nullptr &&
            widget->hasFocus() && item->state.testFlag(State_Selected)) {
            // Marked as the title of an open menu is.
            QStyleOptionMenuItem focused = *item;
            focused.state |= State_Sunken;
            QProxyStyle::drawControl(element, &focused, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

QAction* addItem(QMenu& menu, const MenuItem& item) {
    if (!item.command) {
        QAction* separator = menu.addSeparator();
        separator->setObjectName(QString::fromUtf8(item.name));
        return separator;
    }
    QAction* action = menu.addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromUtf8(item.name));
    if (item.ctrlKey != 0) {
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(item.ctrlKey)));
    }
    return action;
}

// Within each group one item carries the check mark at any time, and choosing the item in
// force keeps it.
void addToGroup(QActionGroup*& group, QMenu& menu, QAction& action, int value) {
    if (group == nullptr) {
        group = new QActionGroup(&menu);
    }
    action.setCheckable(true);
    action.setData(value);
    group->addAction(&action);
}

} // namespace

MainMenus buildMainMenus(QMenuBar& bar) {
    MainMenus menus;
    bar.setStyle(new KeyboardFocusStyle(bar));
    for (const Menu& spec : mainMenus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(spec.caption));
        menu->setObjectName(QString::fromUtf8(spec.name));
        menu->menuAction()->setObjectName(QString::fromUtf8(spec.name));
        for (const MenuItem& item : spec.items) {
            QAction* action = addItem(*menu, item);
            if (!item.command) {
                continue;
            }
            menus.byCommand.at(indexOf(*item.command)) = action;
            if (const auto model = modelOf(*item.command)) {
                addToGroup(menus.models, *menu, *action, static_cast<int>(*model));
            } else if (const auto format = formatOf(*item.command)) {
                addToGroup(menus.formats, *menu, *action, static_cast<int>(*format));
            }
        }
    }
    return menus;
}

} // namespace hourvault
