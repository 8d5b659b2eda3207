#pragma once

#include <QComboBox>

namespace hourvault {

class SecondClickGuard;

// The editable drop-down list that core/window_primitives.h describes, on a QComboBox: Qt's
// completion, matching and focus-out selection turned off; every change of its text but a pick
// raised as edited, for its window to judge (ListLeaveWatch).
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
