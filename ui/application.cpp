#include "application.h"

#include "command_line.h"

#include "look.h"
#include "pictures.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace hourvault {

namespace {

QtMessageHandler qtHandler = nullptr;
bool starting = false;

// Qt ends a failed start with a fatal message; a display that is named but cannot be reached
// ends there too.
void reportFailedStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && starting) {
        std::fputs("hourvault: cannot open a window: the window system could not be reached\n",
                   stderr);
        std::_Exit(1);
    }
    qtHandler(type, context, text);
}

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    if (const auto answer = commandLineAnswer(arguments, HOURVAULT_PROGRAM, HOURVAULT_VERSION)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    return std::nullopt;
}

bool canOpenWindows(int argc, char* argv[]) {
    bool platformChosen = isSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        platformChosen = platformChosen || std::strcmp(argv[i], "-platform") == 0;
    }
    if (!platformChosen && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        std::fputs("hourvault: no display to open a window on: neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set\n",
                   stderr);
        return false;
    }
    starting = true;
    qtHandler = qInstallMessageHandler(reportFailedStart);
    return true;
}

void prepareApplication() {
    if (starting) {
        starting = false;
        qInstallMessageHandler(qtHandler);
    }
    // Lets the desktop match the window to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(HOURVAULT_APP_ID));
    // On X11 the same, by the windows' class: the desktop entry names it as StartupWMClass.
    QCoreApplication::setApplicationName(QStringLiteral(HOURVAULT_PROGRAM));
    QCoreApplication::setApplicationVersion(QStringLiteral(HOURVAULT_VERSION));
    // Every text in the dialog font, the menus' and message boxes' too: they are windows of
    // their own, which would otherwise load the desktop's font for themselves alone.
    QApplication::setFont(dialogFont());
}

void showMainWindow(QWidget& window) {
    window.show();
    // The help windows have no icon of their own either: they show the program's.
    QApplication::setWindowIcon(programIcon());
}

} // namespace hourvault
