#include "application.h"
#include "calculator_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    hourvault::prepareApplication();
    hourvault::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
