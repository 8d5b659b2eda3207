#include "main_menus.h"

#include "main_layout.h"

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

QMenu* addMenu(QMenuBar& bar, const char* name, const char* caption) {
    QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addItem(QMenu& menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* addCheckItem(QMenu& menu, const char* name, const QString& caption, bool checked) {
    QAction* action = addItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

void addSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QString::fromUtf8(name));
}

} // namespace

MainMenus buildMainMenus(QMenuBar& bar) {
    MainMenus menus;
    bar.setStyle(new KeyboardFocusStyle(bar));

    QMenu* file = addMenu(bar, "mnuFile", "File");
    menus.clear =
        addItem(*file, "mnuClear", QStringLiteral("Clear"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addSeparator(*file, "mnuHyphen");
    menus.exit =
        addItem(*file, "mnuExit", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    // Within each of these two menus one item carries the check mark at any time, and choosing
    // the item in force keeps it.
    QMenu* model = addMenu(bar, "mnuModel", "Model");
    auto* models = new QActionGroup(model);
    menus.model16 = models->addAction(
        addCheckItem(*model, "mnu16", QStringLiteral("TX-4160 (16 channel)"), true));
    menus.model9 = models->addAction(
        addCheckItem(*model, "mnu9", QStringLiteral("TX-4090 (9 channel)"), false));

    QMenu* format = addMenu(bar, "mnuFormat", "Format");
    auto* formats = new QActionGroup(format);
    menus.ntsc = formats->addAction(addCheckItem(*format, "mnuNTSC", formatCaption(true), true));
    menus.pal = formats->addAction(addCheckItem(*format, "mnuPAL", formatCaption(false), false));

    QMenu* help = addMenu(bar, "mnuHelp", "Help");
    menus.glossary = addItem(*help, "mnuGlossary", QStringLiteral("Glossary"),
                             QKeySequence(Qt::CTRL | Qt::Key_G));
    addSeparator(*help, "mnuHyphen1");
    menus.about = addItem(*help, "mnuAbout", QStringLiteral("About 'Hourvault'"));

    return menus;
}

} // namespace hourvault
