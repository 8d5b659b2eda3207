#include "option_list.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace hourvault {

OptionList::OptionList(QWidget* parent) : QComboBox(parent) {
    // Made editable by giving it its field: unlike setEditable, that leaves the drop-down to be
    // built when it first opens.
    setLineEdit(new QLineEdit(this));
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    // Click or Tab to focus; the wheel alone never takes the focus.
    setFocusPolicy(Qt::StrongFocus);

    // The combo box would select an entry matching the typed text when editing finishes
    // (Return or leaving the field); a typed text must stay a typed text.
    QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    QObject::disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);

    connect(lineEdit(), &QLineEdit::textEdited, this, &OptionList::dropSelectionKeepingText);
    connect(this, &QComboBox::activated, this, &OptionList::entryChosen);
}

void OptionList::clearEntries() {
    const QSignalBlocker blocker(this);
    clear();
}

void OptionList::appendEntry(const QString& text) {
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
    const QSignalBlocker blocker(this);
    setCurrentIndex(-1);
    setEditText(text);
}

void OptionList::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        emit focusLost();
        break;
    default:
        break;
    }
}

void OptionList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void OptionList::dropSelectionKeepingText(const QString& text) {
    if (currentIndex() < 0) {
        return;
    }
    QLineEdit* edit = lineEdit();
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
