#pragma once

#include <QComboBox>

namespace hourvault {

class SecondClickGuard;

// An editable drop-down list with the semantics the calculator relies on:
// - any change of its text but a pick drops the selection (index -1) at once and keeps the
//   text: keys, paste, an input method, an assistive tool;
// - typed text is never turned into a selection (no completion, no match on Return or on
//   leaving the field);
// - filling the list and showing a prompt raise no signal;
// - entryChosen only for a real pick (drop-down, arrow keys, wheel);
// - a wheel turns through the entries only while the list has the focus: one merely passing
//   over it must not change the choice;
// - every such change raises edited, for its window to judge (ListLeaveWatch);
// - nothing can be dropped on it, and the second click of a double-click that picks an entry
//   presses nothing beneath the closed drop-down.
class OptionList : public QComboBox {
    Q_OBJECT

public:
    explicit OptionList(QWidget* parent);

    // Empties the list; the shown text is left to the caller.
    void clearEntries();
    // Adds an entry at the end without changing the selection or the shown text.
    void appendEntry(const QString& text);
    // Shows a text that is no entry (a prompt): the selection becomes -1. With the focus, the
    // text is selected, so that typing replaces it.
    void showText(const QString& text);

    void hidePopup() override;

signals:
    void entryChosen();
    // Its text changed by anything but a pick or the program: keys, a paste, an input method,
    // an assistive tool. The selection is dropped already.
    void edited();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void followText(const QString& text);
    void dropSelectionKeepingText(const QString& text);

    SecondClickGuard* secondClickGuard_;
};

} // namespace hourvault
