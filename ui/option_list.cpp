#include "option_list.h"

#include "accessible_controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <QWindow>

namespace hourvault {

// A double-click on an entry picks it with its first click, which closes the drop-down; the
// second click would then press whatever lies beneath, Calculate for one. Armed when the
// drop-down closes, this eats a double-click's second click that follows within the
// double-click time in the list's window, and lets every other click through.
class SecondClickGuard final : public QObject {
public:
    explicit SecondClickGuard(QWidget& list) : QObject(&list), list_(list) {}

    void arm() {
        disarm();
        // Every mouse event of the window reaches its window-system window first.
        window_ = list_.window()->windowHandle();
        if (window_ == nullptr) {
            return;
        }
        window_->installEventFilter(this);
        since_.start();
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (eating_ || (isSecondClick(*static_cast<QMouseEvent*>(event)) &&
                            !since_.hasExpired(QApplication::doubleClickInterval()))) {
                eating_ = true;
                return true;
            }
            disarm();
            return false;
        case QEvent::MouseButtonRelease:
            if (eating_) {
                disarm();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    static bool isSecondClick(const QMouseEvent& event) {
        return event.type() == QEvent::MouseButtonDblClick ||
               event.flags().testFlag(Qt::MouseEventCreatedDoubleClick);
    }

    void disarm() {
        if (window_ != nullptr) {
            window_->removeEventFilter(this);
        }
        window_ = nullptr;
        eating_ = false;
    }

    QWidget& list_;
    QPointer<QWindow> window_;
    QElapsedTimer since_;
    bool eating_ = false;
};

OptionList::OptionList(QWidget* parent)
    : QComboBox(parent), secondClickGuard_(new SecondClickGuard(*this)) {
    // Made editable by giving it its field: unlike setEditable, that leaves the drop-down to be
    // built when it first opens.
    setLineEdit(new QLineEdit(this));
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    // Click or Tab to focus; the wheel alone never takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    // A text dropped from elsewhere would land while another control has the focus.
    lineEdit()->setAcceptDrops(false);

    // The combo box would select an entry matching the typed text when editing finishes
    // (Return or leaving the field); a typed text must stay a typed text.
    QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    QObject::disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);

    // Every change of the text, not only the keys' (textEdited): an assistive tool sets it
    // without keys.
    connect(lineEdit(), &QLineEdit::textChanged, this, &OptionList::followText);
    connect(this, &QComboBox::activated, this, &OptionList::entryChosen);
}

void OptionList::clearEntries() {
    holdTextEvents(*lineEdit());
    const QSignalBlocker blocker(this);
    clear();
}

void OptionList::appendEntry(const QString& text) {
    holdTextEvents(*lineEdit());
    const QSignalBlocker blocker(this);
    const int index = currentIndex();
    const QString shown = currentText();
    addItem(text);
    // Adding to an empty list selects the new entry; undo that.
    if (currentIndex() != index) {
        setCurrentIndex(index);
        setEditText(shown);
    }
}

void OptionList::showText(const QString& text) {
    holdTextEvents(*lineEdit());
    const QSignalBlocker blocker(this);
    setCurrentIndex(-1);
    setEditText(text);
    if (lineEdit()->hasFocus()) {
        lineEdit()->selectAll();
    }
}

void OptionList::hidePopup() {
    QComboBox::hidePopup();
    secondClickGuard_->arm();
}

void OptionList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void OptionList::followText(const QString& text) {
    // A pick shows its entry's text, and so does the entry's own text typed over it. The
    // program's own prompts and refills block the signals that would report them.
    if (currentIndex() >= 0 && text == itemText(currentIndex())) {
        return;
    }
    dropSelectionKeepingText(text);
    emit edited();
}

void OptionList::dropSelectionKeepingText(const QString& text) {
    if (currentIndex() < 0) {
        return;
    }
    QLineEdit* edit = lineEdit();
    holdTextEvents(*edit);
    const int cursor = edit->cursorPosition();
    {
        const QSignalBlocker comboBlocker(this);
        const QSignalBlocker editBlocker(edit);
        setCurrentIndex(-1);
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
}

} // namespace hourvault
