#include "help_window.h"

#include "look.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace hourvault {

HelpWindow::HelpWindow(const char* objectName, const char* caption, const TwipsRect& client,
                       const Look& look, std::span<const ControlSpec> controls)
    : QDialog(nullptr, Qt::Window), look_(look) {
    setObjectName(QString::fromUtf8(objectName));
    setWindowTitle(QString::fromUtf8(caption));
    // Closing a help window must never end the program: the main window comes back instead.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(dialogFont());
    setFixedSize(client.pixels().size());
    BuiltControls built;
    for (const ControlSpec& spec : controls) {
        built.add(spec, addControl(spec));
    }
    built.tieLabels();
    if (okButton_ != nullptr) {
        okButton_->setFocus();
    }
}

QWidget& HelpWindow::addControl(const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::label: {
        auto* label = new QLabel(QString::fromUtf8(spec.text), this);
        // Plain text keeps every run of spaces and never turns a '<' into markup.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(look_.labelAlignment);
        label->setFocusPolicy(Qt::NoFocus);
        applySpec(*label, spec);
        paintChrome(*label, look_.background, look_.text);
        return *label;
    }
    case ControlKind::picture: {
        QLabel* picture = makePicture(spec, *this);
        paintChrome(*picture, look_.background, chrome::black);
        return *picture;
    }
    case ControlKind::button:
        // There is no default button: Enter presses OK only while it has the focus, and it
        // always has.
        okButton_ = makeButton(spec, *this);
        connect(okButton_, &QPushButton::clicked, this, &HelpWindow::dismiss);
        return *okButton_;
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
    QPainter(this).fillRect(rect(), look_.background);
}

void HelpWindow::dismiss() {
    hide();
    emit dismissed();
}

} // namespace hourvault
