#include "help_window.h"

#include "control_table.h"
#include "look.h"
#include "pixels.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace hourvault {

HelpWindow::HelpWindow(const HelpWindowSpec& spec) : QDialog(nullptr, Qt::Window), spec_(spec) {
    setObjectName(QString::fromUtf8(spec.name));
    setWindowTitle(QString::fromUtf8(spec.caption));
    // Closing a help window must never end the program: the main window comes back instead.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(dialogFont());
    setFixedSize(pixelRect(spec.client).size());
    BuiltControls built;
    for (const LayoutRow& control : spec.controls) {
        built.add(control, addControl(control));
    }
    built.tieLabels();
    okButton_ = &built.at<QPushButton>(Role::ok);
    okButton_->setFocus();
}

QWidget& HelpWindow::addControl(const LayoutRow& spec) {
    switch (spec.kind) {
    case ControlKind::label: {
        auto* label = new QLabel(QString::fromUtf8(spec.text), this);
        // Plain text keeps every run of spaces and never turns a '<' into markup.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((spec_.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
        applySpec(*label, spec);
        paintChrome(*label, spec_.look);
        return *label;
    }
    case ControlKind::picture: {
        QLabel* picture = makePicture(spec, *this);
        paintChrome(*picture, {spec_.look.background, chrome::black});
        return *picture;
    }
    case ControlKind::button: {
        // There is no default button: Enter presses OK only while it has the focus, and it
        // always has.
        QPushButton* button = makeButton(spec, *this);
        connect(button, &QPushButton::clicked, this, &HelpWindow::dismiss);
        return *button;
    }
    case ControlKind::frame:
    case ControlKind::formatLabel:
    case ControlKind::resultBox:
        break;
    }
    qFatal("a help window's table holds a row of a kind it cannot make: %s", spec.name);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    dismiss();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // There is no cancel button: Escape leaves the window open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HelpWindow::paintEvent(QPaintEvent* /*event*/) {
    // Painted rather than set in the palette, so the OK button keeps the desktop's palette.
    QPainter(this).fillRect(rect(), toColor(spec_.look.background));
}

void HelpWindow::dismiss() {
    hide();
    emit dismissed();
}

} // namespace hourvault
