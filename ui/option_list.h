#pragma once

#include <QComboBox>

namespace hourvault {

// An editable drop-down list with the semantics the calculator relies on:
// - editing the text drops the selection (index -1) at once and keeps the typed text;
// - typed text is never turned into a selection (no completion, no match on Return or on
//   leaving the field);
// - filling the list and showing a prompt raise no signal;
// - entryChosen only for a real pick (drop-down, arrow keys, wheel);
// - a wheel turns through the entries only while the list has the focus: one merely passing
//   over it must not change the choice;
// - focusLost only when the focus moves to another control of the window (mouse, Tab,
//   Shift+Tab), not for its own drop-down, a menu, a message box or a hidden window.
class OptionList : public QComboBox {
    Q_OBJECT

public:
    explicit OptionList(QWidget* parent);

    // Empties the list; the shown text is left to the caller.
    void clearEntries();
    // Adds an entry at the end without changing the selection or the shown text.
    void appendEntry(const QString& text);
    // Shows a text that is no entry (a prompt): the selection becomes -1.
    void showText(const QString& text);

signals:
    void entryChosen();
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void dropSelectionKeepingText(const QString& text);
};

} // namespace hourvault
