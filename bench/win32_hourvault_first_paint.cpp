// Hourvault's Windows start-up as win32/main.cpp runs it, with the first-paint probe.

#include "calculator_window.h"
#include "program_services.h"
#include "win32_first_paint_probe.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    const hourvault::win32::ProgramServices services;
    hourvault::win32::CalculatorWindow window;
    window.show(show);
    hourvault::bench::reportFirstPaint(window.hwnd());
}
