#include "shortcut_forwarder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <iterator>
#include <string_view>
#include <utility>

namespace hourvault {

namespace {

// The Latin letter a key stands for by its place on the keyboard, as keyboards without Latin
// letters leave it to programs to find Ctrl+letter: the key's X keycode (the kernel's plus 8),
// as the X11 and Wayland platforms report it; 0 where the place holds no letter.
char latinLetterAt(quint32 keycode) {
    constexpr std::string_view rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    constexpr quint32 firstKeycodes[] = {24, 38, 52};
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        if (keycode >= firstKeycodes[row] && keycode - firstKeycodes[row] < rows[row].size()) {
            return rows[row][keycode - firstKeycodes[row]];
        }
    }
    return 0;
}

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
    QKeySequence pressed(key.keyCombination());
    // A key that types no Latin letter is known by the letter in its place.
    const bool latin = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    if (const char letter = latinLetterAt(key.nativeScanCode()); !latin && letter != 0) {
        pressed = QKeySequence(key.modifiers() | Qt::Key(letter));
    }
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
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    // The shortcuts do not reach a drop-down or a menu, a window of its own; nor does a key
    // that types no Latin letter match them. Such a key reaches the widget as a key press.
    const bool dropped = window != &window_ && window == QApplication::activePopupWidget() &&
                         window->parentWidget() != nullptr &&
                         window->parentWidget()->window() == &window_;
    if (dropped || window == &window_) {
        if (QAction* command = commandFor(*static_cast<QKeyEvent*>(event))) {
            closePopups();
            command->trigger();
            return true;
        }
    }
    return false;
}

} // namespace hourvault
