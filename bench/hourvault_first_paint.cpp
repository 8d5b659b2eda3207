// Hourvault's start-up as ui/main.cpp runs it, with the first-paint probe on the window.

#include "application.h"
#include "calculator_window.h"
#include "first_paint_probe.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    hourvault::prepareApplication();
    hourvault::CalculatorWindow window;
    hourvault::bench::reportFirstPaint(window);
    hourvault::showMainWindow(window);
    return QApplication::exec();
}
