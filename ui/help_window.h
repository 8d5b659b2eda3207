#pragma once

#include "control_table.h"

#include <QColor>
#include <QDialog>

#include <span>

class QCloseEvent;
class QKeyEvent;
class QPaintEvent;
class QPushButton;

namespace hourvault {

// A window that takes the main window's place while it is open: About and Glossary. It has a
// fixed client area, labels, pictures and one OK button, built from its layout table. OK, or
// closing it through the window system, hides it and reports `dismissed`; the program carries
// on without it (closing it never ends the program), and whoever opened it destroys it then,
// with deleteLater, since `dismissed` may come from inside a close event.
// A dialog, so that assistive tools announce it as one, but neither modal nor owned, and a
// window of the normal kind: with the main window hidden it is the program's only window, which
// taskbars and window switchers must list, and they leave out windows transient for another.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    [[nodiscard]] QPushButton* okButton() const { return okButton_; }

signals:
    void dismissed();

protected:
    struct Look {
        QColor background;
        QColor text;
        Qt::Alignment labelAlignment;
    };

    HelpWindow(const char* objectName, const char* caption, const TwipsRect& client,
               const Look& look, std::span<const ControlSpec> controls);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& addControl(const ControlSpec& spec);
    void dismiss();

    Look look_;
    QPushButton* okButton_ = nullptr;
};

} // namespace hourvault
