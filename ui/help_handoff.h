#pragma once

#include "commands.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace hourvault {

class HelpWindow;

// Puts a help window in the main window's place: the main window hides while it is open and,
// once it is dismissed, comes back with the focus where it was. An open help window goes with
// the handoff.
class HelpHandoff : public QObject {
    Q_OBJECT

public:
    HelpHandoff(QWidget& main, std::function<void()> returned);
    ~HelpHandoff() override;

    HelpHandoff(const HelpHandoff&) = delete;
    HelpHandoff& operator=(const HelpHandoff&) = delete;

    void open(HelpWindowKind which);

private:
    void comeBack(HelpWindow& window);

    QWidget& main_;
    std::function<void()> returned_;
    QPointer<HelpWindow> window_;
    QPointer<QWidget> focusBefore_;
};

} // namespace hourvault
