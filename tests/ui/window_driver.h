#pragma once

// Drives the main window as a user does: clicks and keys on the named controls. Each step that
// can fail returns false, so QVERIFY names the failing line.

#include <QTest>
#include <QtWidgets>

namespace hourvault::testing {

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

class WindowDriver {
public:
    explicit WindowDriver(QMainWindow& window) : window_(window) {}

    template <typename Widget> [[nodiscard]] Widget* find(const QString& name) const {
        return window_.findChild<Widget*>(name);
    }
    [[nodiscard]] QComboBox* list(const QString& name) const { return find<QComboBox>(name); }
    [[nodiscard]] QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    [[nodiscard]] QAction* action(const QString& name) const { return find<QAction>(name); }

    // As a desktop does when a popup or a modal box closes; offscreen activates no one then.
    [[nodiscard]] bool activate() const {
        window_.activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == &window_; });
    }

    // A click into the list's text field, or on its arrow, which drops the entries down.
    [[nodiscard]] bool clickInto(const QString& name, bool onArrow = false) const {
        QComboBox* field = list(name);
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
    [[nodiscard]] bool pickByKeys(const QString& name, const QString& text) const {
        QComboBox* field = list(name);
        const int target = field != nullptr ? field->findText(text) : -1;
        if (target < 0 || !clickInto(name)) {
            return false;
        }
        for (int step = 0; field->currentIndex() != target && step < 20; ++step) {
            QTest::keyClick(field, field->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        }
        return field->currentIndex() == target;
    }

    // A click on the entry in the dropped-down list.
    [[nodiscard]] bool pickByPopup(const QString& name, const QString& text) const {
        QComboBox* field = list(name);
        if (field == nullptr || field->findText(text) < 0 || !clickInto(name, true)) {
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
    [[nodiscard]] bool type(const QString& name, const QString& text) const {
        if (!clickInto(name)) {
            return false;
        }
        QTest::keyClick(list(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(list(name), text);
        return list(name)->currentText() == text;
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
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        return QTest::qWaitFor([menu] { return menu->isVisible(); });
    }

    // Opens the item's menu from the menu bar and clicks the item.
    [[nodiscard]] bool chooseFromMenuBar(const QString& item) const {
        QAction* command = action(item);
        auto* menu = command != nullptr ? qobject_cast<QMenu*>(command->parent()) : nullptr;
        if (menu == nullptr || !openMenu(menu->objectName())) {
            return false;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(command).center());
        return QTest::qWaitFor([menu] { return !menu->isVisible(); }) && activate();
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
