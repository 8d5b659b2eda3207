#pragma once

#include <optional>

class QWidget;

namespace hourvault {

// Answers --help and --version, as desktop programs do, on the standard output and without a
// window; the exit status, or none for any other command line, which opens the window.
[[nodiscard]] std::optional<int> answerCommandLine(int argc, char* argv[]);

// Whether the program has a window system to open its window on, asked before the application
// is built: without one Qt aborts with a core dump and a hint to reinstall. When there is none,
// says so in one line on the error output.
[[nodiscard]] bool canOpenWindows(int argc, char* argv[]);

// The program-wide settings, made once the application exists and before its window is built.
void prepareApplication();

// Shows the main window, then gives the program its icon, which every window shows. Given
// before, the X11 window would be sent every size of it twice: as the window is made, and
// again as Qt hands it the widget's icon.
void showMainWindow(QWidget& window);

} // namespace hourvault
