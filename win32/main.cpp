#include "calculator_window.h"
#include "message_loop.h"
#include "pictures.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    // The accessibility annotations are COM objects of this thread's.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int status = 1;
    {
        const hourvault::win32::PictureReader pictures;
        hourvault::win32::CalculatorWindow window;
        if (window.handle() != nullptr) {
            window.show(show);
            status = hourvault::win32::runMessageLoop();
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return status;
}
