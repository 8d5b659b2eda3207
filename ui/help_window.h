#pragma once

#include "help_windows.h"

#include <QDialog>

class QCloseEvent;
class QKeyEvent;
class QPaintEvent;
class QPushButton;
class QWidget;

namespace hourvault {

// A window that takes the main window's place while it is open: About and Glossary, built from
// their tables. OK, or closing it through the window system, hides it and reports `dismissed`;
// the program carries on without it (closing it never ends the program), and whoever opened it
// destroys it then, with deleteLater, since `dismissed` may come from inside a close event.
// A dialog, so that assistive tools announce it as one, but neither modal nor owned, and a
// window of the normal kind: with the main window hidden it is the program's only window, which
// taskbars and window switchers must list, and they leave out windows transient for another.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(const HelpWindowSpec& spec);

    [[nodiscard]] QPushButton* okButton() const { return okButton_; }

signals:
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& addControl(const LayoutRow& spec);
    void dismiss();

    const HelpWindowSpec& spec_;
    QPushButton* okButton_ = nullptr;
};

class AboutWindow final : public HelpWindow {
public:
    AboutWindow() : HelpWindow(aboutWindow) {}
};

class GlossaryWindow final : public HelpWindow {
public:
    GlossaryWindow() : HelpWindow(glossaryWindow) {}
};

} // namespace hourvault
