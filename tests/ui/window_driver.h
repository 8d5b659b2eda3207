#pragma once

// Drives the main window as a user does: clicks and keys on the named controls, the clicks
// through the window system's window, as a real pointer's. Each step that can fail returns
// false, so QVERIFY names the failing line.

#include "lists.h"
#include "main_window.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <string_view>

namespace hourvault::testing {

[[nodiscard]] inline QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline QString nameOf(ListId list) {
    return qString(main_window::objectName(list));
}

// The shown top-level window of that name, if any: the help windows have no owner to find
// them by.
inline QWidget* shownTopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

inline QStringList entries(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.append(list.itemText(i));
    }
    return texts;
}

// A click at a point of a widget, moving the pointer there first, through its window.
inline void clickAt(QWidget& widget, QPoint at) {
    QWidget* window = widget.window();
    const QPoint inWindow = widget.mapTo(window, at);
    QTest::mouseMove(window->windowHandle(), inWindow);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
}

class WindowDriver {
public:
    explicit WindowDriver(QMainWindow& window) : window_(window) {}

    template <typename Widget> [[nodiscard]] Widget* find(const QString& name) const {
        return window_.findChild<Widget*>(name);
    }
    [[nodiscard]] QComboBox* list(ListId id) const { return find<QComboBox>(nameOf(id)); }
    [[nodiscard]] QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    [[nodiscard]] QAction* action(const QString& name) const { return find<QAction>(name); }
    [[nodiscard]] QStringList results() const {
        return {box("txtHours")->text(), box("txtDays")->text()};
    }

    // As a desktop does when a popup or a modal box closes; offscreen activates no one then.
    [[nodiscard]] bool activate() const {
        window_.activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == &window_; });
    }

    // A click into the list's text field, or on its arrow, which drops the entries down.
    [[nodiscard]] bool clickInto(ListId id, bool onArrow = false) const {
        QComboBox* field = list(id);
        if (field == nullptr || !activate()) {
            return false;
        }
        if (onArrow) {
            QTest::mouseClick(field, Qt::LeftButton, {}, {field->width() - 5, field->height() / 2});
            return QTest::qWaitFor([field] { return field->view()->isVisible(); });
        }
        QTest::mouseClick(field->lineEdit(), Qt::LeftButton);
        return QTest::qWaitFor([field] { return field->hasFocus(); });
    }

    // Down or Up in the focused list until the entry is chosen.
    [[nodiscard]] bool pickByKeys(ListId id, const QString& text) const {
        QComboBox* field = list(id);
        const int target = field != nullptr ? field->findText(text) : -1;
        if (target < 0 || !clickInto(id)) {
            return false;
        }
        for (int step = 0; field->currentIndex() != target && step < 20; ++step) {
            QTest::keyClick(field, field->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        }
        return field->currentIndex() == target;
    }

    // A click on the entry in the dropped-down list.
    [[nodiscard]] bool pickByPopup(ListId id, const QString& text) const {
        QComboBox* field = list(id);
        if (field == nullptr || field->findText(text) < 0 || !clickInto(id, true)) {
            return false;
        }
        QAbstractItemView* view = field->view();
        const QModelIndex entry = view->model()->index(field->findText(text), 0);
        view->scrollTo(entry);
        // Moving onto the entry ends the guard against the opening click's own release.
        const QPoint at = view->visualRect(entry).center();
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return QTest::qWaitFor([view] { return !view->isVisible(); }) && activate() &&
               field->currentText() == text;
    }

    // Replaces the list's text by typing, as after selecting all of it.
    [[nodiscard]] bool type(ListId id, const QString& text) const {
        if (!clickInto(id)) {
            return false;
        }
        QTest::keyClick(list(id), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(list(id), text);
        return list(id)->currentText() == text;
    }

    void tab(bool backwards = false) const {
        QWidget* from = QApplication::focusWidget();
        QTest::keyClick(from != nullptr ? from : &window_, Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }

    [[nodiscard]] bool click(const QString& name) const {
        auto* button = find<QPushButton>(name);
        if (button == nullptr || !activate()) {
            return false;
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }

    // A click on the menu's title in the menu bar.
    [[nodiscard]] bool openMenu(const QString& name) const {
        auto* menu = find<QMenu>(name);
        if (menu == nullptr || !activate()) {
            return false;
        }
        QMenuBar* bar = window_.menuBar();
        clickAt(*bar, bar->actionGeometry(menu->menuAction()).center());
        return QTest::qWaitFor([menu] { return menu->isVisible(); });
    }

    // Opens the item's menu from the menu bar and clicks the item, which must run its command.
    [[nodiscard]] bool chooseFromMenuBar(const QString& item) const {
        QAction* command = action(item);
        auto* menu = command != nullptr ? qobject_cast<QMenu*>(command->parent()) : nullptr;
        if (menu == nullptr || !openMenu(menu->objectName())) {
            return false;
        }
        const QSignalSpy chosen(command, &QAction::triggered);
        clickAt(*menu, menu->actionGeometry(command).center());
        return chosen.count() == 1 && QTest::qWaitFor([menu] { return !menu->isVisible(); }) &&
               activate();
    }

private:
    QMainWindow& window_;
};

// Reads the next modal message box as soon as it opens and presses its OK button.
struct MessageBoxReader {
    MessageBoxReader() {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            poll.stop();
            seen = true;
            title = box->windowTitle();
            text = box->text();
            noIcon = box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull();
            for (QAbstractButton* button : box->buttons()) {
                buttons.append(box->standardButton(button));
            }
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            ok != nullptr ? QTest::mouseClick(ok, Qt::LeftButton) : box->reject();
        });
        poll.start(0);
    }

    QTimer poll;
    bool seen = false;
    QString title, text;
    bool noIcon = false;
    QList<QMessageBox::StandardButton> buttons;
};

} // namespace hourvault::testing
