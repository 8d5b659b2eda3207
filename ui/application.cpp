#include "application.h"

#include "look.h"

#include <QApplication>

namespace hourvault {

void prepareApplication() {
    // Lets the desktop match the window to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(HOURVAULT_APP_ID));
    // Every text in the dialog font, the menus' and message boxes' too: they are windows of
    // their own, which would otherwise load the desktop's font for themselves alone.
    QApplication::setFont(dialogFont());
}

} // namespace hourvault
