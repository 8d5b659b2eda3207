#include "help_handoff.h"

#include "help_window.h"
#include "placement.h"

#include <QWidget>

#include <utility>

namespace hourvault {

HelpHandoff::HelpHandoff(QWidget& main, std::function<void()> returned)
    : main_(main), returned_(std::move(returned)) {}

HelpHandoff::~HelpHandoff() {
    delete window_;
}

void HelpHandoff::open(HelpWindowKind which) {
    HelpWindow* window = which == HelpWindowKind::about ? static_cast<HelpWindow*>(new AboutWindow)
                                                        : new GlossaryWindow;
    window_ = window;
    connect(window, &HelpWindow::dismissed, this, [this, window] { comeBack(*window); });
    focusBefore_ = main_.focusWidget();
    centreOnScreen(*window, main_.screen());
    main_.hide();
    window->show();
}

void HelpHandoff::comeBack(HelpWindow& window) {
    returned_();
    main_.show();
    main_.activateWindow();
    if (focusBefore_) {
        focusBefore_->setFocus(Qt::OtherFocusReason);
    }
    window.deleteLater();
}

} // namespace hourvault
