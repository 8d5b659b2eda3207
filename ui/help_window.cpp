#include "help_window.h"

#include "look.h"
#include "pictures.h"
#include "twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace hourvault {

namespace {

QRect pixelRect(const QRect& inTwips) {
    return twipsRect(inTwips.x(), inTwips.y(), inTwips.width(), inTwips.height());
}

} // namespace

HelpWindow::HelpWindow(const QString& objectName, const QString& caption, QSize clientSize,
                       const QColor& background)
    : background_(background) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(dialogFont());
    setFixedSize(clientSize);
    // Placed now rather than on show: the size never changes, and the window is built afresh
    // for every opening.
    move(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, clientSize,
                             screen()->availableGeometry())
             .topLeft());
}

QLabel* HelpWindow::addLabel(const QString& objectName, const QString& text, const QRect& twipsRect,
                             Qt::Alignment alignment, const QColor& background,
                             const QColor& textColour) {
    auto* label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    // Plain text keeps every run of spaces and never turns a '<' into markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setFocusPolicy(Qt::NoFocus);
    label->setGeometry(pixelRect(twipsRect));
    paintChrome(*label, background, textColour);
    return label;
}

QLabel* HelpWindow::addPicture(const QString& objectName, const QString& resource,
                               const QRect& twipsRect, const QString& accessibleName) {
    auto* picture = new QLabel(this);
    picture->setObjectName(objectName);
    picture->setAccessibleName(accessibleName);
    // Natural size from the top-left corner; whatever overhangs the box is cut off.
    picture->setPixmap(windowPicture(resource));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setGeometry(pixelRect(twipsRect));
    paintChrome(*picture, background_, chrome::black);
    return picture;
}

void HelpWindow::addOkButton(const QRect& twipsRect) {
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setAccessibleName(QStringLiteral("OK"));
    okButton_->setGeometry(pixelRect(twipsRect));
    // Outside a dialog a push button ignores Enter unless it is auto-default. There is no
    // default button: Enter presses OK only while it has the focus, and it always has.
    okButton_->setAutoDefault(true);
    okButton_->setFocus();
    connect(okButton_, &QPushButton::clicked, this, &HelpWindow::dismiss);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    dismiss();
}

void HelpWindow::paintEvent(QPaintEvent* /*event*/) {
    // Painted rather than set in the palette, so the OK button keeps the desktop's palette.
    QPainter(this).fillRect(rect(), background_);
}

void HelpWindow::dismiss() {
    hide();
    emit dismissed();
}

} // namespace hourvault
