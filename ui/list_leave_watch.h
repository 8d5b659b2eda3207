#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace hourvault {

class OptionList;

// Tells when the focus leaves one of a window's lists for another control of that window,
// whatever moved it (mouse, Tab, the program, an assistive tool) and whatever held it in
// between: the menu bar, a menu, the list's own drop-down, another program, a message box or a
// help window. Only the arrival at another control counts; coming back to the list itself
// leaves nothing.
class ListFocusWatch final : public QObject {
    Q_OBJECT

public:
    ListFocusWatch(QWidget& window, QList<OptionList*> lists);

    // The control takes the focus now. For what moves the focus while the window is inactive,
    // where the application sees no focus change: an assistive tool's press of a button.
    void arrive(QWidget& control);

signals:
    void left(hourvault::OptionList* list);

private:
    [[nodiscard]] OptionList* listOf(const QWidget& control) const;

    QWidget& window_;
    QList<OptionList*> lists_;
    QPointer<OptionList> held_;
};

} // namespace hourvault
