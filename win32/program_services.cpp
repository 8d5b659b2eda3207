#include "program_services.h"

#include <commctrl.h>
#include <objbase.h>
#include <objidl.h>

#include <gdiplus.h>

namespace hourvault::win32 {

ProgramServices* ProgramServices::running_ = nullptr;

ProgramServices::ProgramServices() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    running_ = this;
}

ProgramServices::~ProgramServices() {
    running_ = nullptr;
    if (picturesStarted_) {
        Gdiplus::GdiplusShutdown(pictures_);
    }
    if (SUCCEEDED(com_)) {
        CoUninitialize();
    }
}

bool ProgramServices::pictures() {
    if (running_ == nullptr) {
        return false;
    }
    ProgramServices& services = *running_;
    if (!services.picturesTried_) {
        services.picturesTried_ = true;
        const Gdiplus::GdiplusStartupInput input;
        services.picturesStarted_ =
            Gdiplus::GdiplusStartup(&services.pictures_, &input, nullptr) == Gdiplus::Ok;
    }
    return services.picturesStarted_;
}

bool ProgramServices::com() {
    if (running_ == nullptr) {
        return false;
    }
    ProgramServices& services = *running_;
    if (!services.comTried_) {
        services.comTried_ = true;
        services.com_ = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    return SUCCEEDED(services.com_);
}

} // namespace hourvault::win32
