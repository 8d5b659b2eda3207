#include "calculator_window.h"
#include "message_loop.h"
#include "program_services.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    const hourvault::win32::ProgramServices services;
    hourvault::win32::CalculatorWindow window;
    if (window.handle() == nullptr) {
        return 1;
    }
    window.show(show);
    return hourvault::win32::runMessageLoop();
}
