#include "program_services.h"

#include <commctrl.h>
#include <objbase.h>
#include <objidl.h>

#include <gdiplus.h>

namespace hourvault::win32 {

ProgramServices::ProgramServices() : com_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&pictures_, &input, nullptr);
}

ProgramServices::~ProgramServices() {
    Gdiplus::GdiplusShutdown(pictures_);
    if (SUCCEEDED(com_)) {
        CoUninitialize();
    }
}

} // namespace hourvault::win32
