#include "application.h"
#include "calculator_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto status = hourvault::answerCommandLine(argc, argv)) {
        return *status;
    }
    if (!hourvault::canOpenWindows(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    hourvault::prepareApplication();
    hourvault::CalculatorWindow window;
    hourvault::showMainWindow(window);
    return QApplication::exec();
}
