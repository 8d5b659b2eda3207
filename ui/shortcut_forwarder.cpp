#include "shortcut_forwarder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <utility>

namespace hourvault {

namespace {

void closePopups() {
    QWidget* popup = QApplication::activePopupWidget();
    while (popup != nullptr) {
        if (auto* list = qobject_cast<QComboBox*>(popup->parentWidget())) {
            list->hidePopup();
        }
        popup->close();
        QWidget* next = QApplication::activePopupWidget();
        popup = next != popup ? next : nullptr;
    }
}

} // namespace

ShortcutForwarder::ShortcutForwarder(QWidget& window, QList<QAction*> commands)
    : window_(window), commands_(std::move(commands)) {
    qApp->installEventFilter(this);
}

ShortcutForwarder::~ShortcutForwarder() {
    qApp->removeEventFilter(this);
}

QAction* ShortcutForwarder::commandFor(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (QAction* command : commands_) {
        if (command->shortcut() == pressed) {
            return command;
        }
    }
    return nullptr;
}

bool ShortcutForwarder::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        return false;
    }
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (event->type() == QEvent::ShortcutOverride && window == &window_ &&
        commandFor(*static_cast<QKeyEvent*>(event)) != nullptr) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && window != &window_ &&
        window == QApplication::activePopupWidget() && window->parentWidget() != nullptr &&
        window->parentWidget()->window() == &window_) {
        if (QAction* command = commandFor(*static_cast<QKeyEvent*>(event))) {
            closePopups();
            command->trigger();
            return true;
        }
    }
    return false;
}

} // namespace hourvault
