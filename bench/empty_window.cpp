// The floor for the start-up comparison: what any Qt Widgets main window with a menu costs.
// Same client size as Hourvault's window, so both paint and keep the same number of pixels.

#include "first_paint_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.resize(613, 343 + window.menuBar()->sizeHint().height());
    hourvault::bench::reportFirstPaint(window);
    window.show();
    return QApplication::exec();
}
