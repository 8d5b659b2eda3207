#pragma once

// Drives the main window the way a user does: mouse clicks and keys on the named controls.
// Every step that can fail returns false, so the test names the failing line with QVERIFY.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>

namespace hourvault::testing {

// The entries a list offers, top to bottom.
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

    // As a desktop does when a popup or a modal box closes; offscreen gives activation to no
    // one then, and shortcuts and focus changes need an active window.
    [[nodiscard]] bool activate() const {
        window_.activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == &window_; });
    }

    // A click into the list's text field, which gives it the focus.
    [[nodiscard]] bool clickIntoField(const QString& name) const {
        QComboBox* field = list(name);
        if (field == nullptr || !activate()) {
            return false;
        }
        QTest::mouseClick(field->lineEdit(), Qt::LeftButton);
        return QTest::qWaitFor([field] { return field->hasFocus(); });
    }

    // Focus the list, then Down or Up until the entry is chosen.
    [[nodiscard]] bool pickByKeys(const QString& name, const QString& text) const {
        QComboBox* field = list(name);
        if (field == nullptr || !clickIntoField(name)) {
            return false;
        }
        const int target = field->findText(text, Qt::MatchExactly);
        for (int step = 0; target >= 0 && field->currentIndex() != target && step < 20; ++step) {
            QTest::keyClick(field, field->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        }
        return target >= 0 && field->currentIndex() == target && field->currentText() == text;
    }

    // A click on the list's arrow, which drops its entries down.
    [[nodiscard]] bool openDropDown(const QString& name) const {
        QComboBox* field = list(name);
        if (field == nullptr || !activate()) {
            return false;
        }
        QStyleOptionComboBox option;
        option.initFrom(field);
        option.editable = true;
        option.subControls = QStyle::SC_All;
        const QRect arrow = field->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, field);
        QTest::mouseClick(field, Qt::LeftButton, {}, arrow.center());
        QAbstractItemView* view = field->view();
        return QTest::qWaitFor([view] { return view->isVisible(); });
    }

    // Drop the list down, then click the entry.
    [[nodiscard]] bool pickByPopup(const QString& name, const QString& text) const {
        QComboBox* field = list(name);
        const int target = field != nullptr ? field->findText(text, Qt::MatchExactly) : -1;
        if (target < 0 || !openDropDown(name)) {
            return false;
        }
        QAbstractItemView* view = field->view();
        const QModelIndex entry = view->model()->index(target, 0, view->rootIndex());
        view->scrollTo(entry);
        // Moving onto the entry ends the guard against the opening click's own release.
        const QPoint onEntry = view->visualRect(entry).center();
        QTest::mouseMove(view->viewport(), onEntry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onEntry);
        return QTest::qWaitFor([view] { return !view->isVisible(); }) && activate() &&
               field->currentIndex() == target && field->currentText() == text;
    }

    // Focus the list and replace its text by typing, as after selecting all of it.
    [[nodiscard]] bool type(const QString& name, const QString& text) const {
        QComboBox* field = list(name);
        if (field == nullptr || !clickIntoField(name)) {
            return false;
        }
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        return field->currentText() == text;
    }

    // Tab or Shift+Tab from the focused control.
    void pressTab(bool backwards = false) const {
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
    [[nodiscard]] bool openMenu(const QString& menuName) const {
        auto* menu = find<QMenu>(menuName);
        if (menu == nullptr || !activate()) {
            return false;
        }
        QMenuBar* bar = window_.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        return QTest::qWaitFor([menu] { return menu->isVisible(); });
    }

    // Open the item's menu from the menu bar with the mouse and click the item.
    [[nodiscard]] bool chooseFromMenuBar(const QString& item) const {
        QAction* command = action(item);
        QMenu* menu = nullptr;
        for (QObject* owner : command != nullptr ? command->associatedObjects() : QObjectList{}) {
            menu = menu != nullptr ? menu : qobject_cast<QMenu*>(owner);
        }
        if (menu == nullptr || !openMenu(menu->objectName())) {
            return false;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(command).center());
        return QTest::qWaitFor([menu] { return !menu->isVisible(); }) && activate();
    }

private:
    QMainWindow& window_;
};

// Reads the next modal message box as soon as it opens and closes it with its OK button.
class MessageBoxReader {
public:
    MessageBoxReader() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { readAndClose(); });
        poll_.start(0);
    }

    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool iconPixmapEmpty = true;
    QList<QMessageBox::StandardButton> buttons;

private:
    void readAndClose() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll_.stop();
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        iconPixmapEmpty = box->iconPixmap().isNull();
        for (QAbstractButton* button : box->buttons()) {
            buttons.append(box->standardButton(button));
        }
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            box->reject();
        }
    }

    QTimer poll_;
};

} // namespace hourvault::testing
