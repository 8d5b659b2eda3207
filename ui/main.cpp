#include "calculator_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(HOURVAULT_APP_ID));
    hourvault::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
