// Hourvault's Windows start-up as win32/main.cpp runs it, with the first-paint probe.

#include "calculator_window.h"
#include "pictures.h"
#include "win32_first_paint_probe.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const hourvault::win32::PictureReader pictures;
    hourvault::win32::CalculatorWindow window;
    window.show(show);
    hourvault::bench::reportFirstPaint(window.handle());
}
