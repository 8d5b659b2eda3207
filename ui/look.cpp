#include "look.h"

#include "dialog_font.h"
#include "pixels.h"

#include <QPalette>
#include <QWidget>

namespace hourvault {

void paintChrome(QWidget& widget, const Look& look) {
    QPalette palette = widget.palette();
    // Window roles only: the lists and boxes inside inherit the rest from the desktop.
    palette.setColor(QPalette::Window, toColor(look.background));
    palette.setColor(QPalette::WindowText, toColor(look.text));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QFont dialogFont() {
    QFont font(QString::fromUtf8(layoutFont.standIn));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(layoutFont.standInPixels);
    return font;
}

} // namespace hourvault
