#include "program_services.h"

#include "system_library.h"

#include <commctrl.h>
#include <objbase.h>

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
        gdiplusShutdown_(pictures_);
    }
    if (SUCCEEDED(com_)) {
        CoUninitialize();
    }
}

const GdiplusFunctions* ProgramServices::pictures() {
    if (running_ == nullptr) {
        return nullptr;
    }
    ProgramServices& services = *running_;
    if (!services.picturesTried_) {
        services.picturesTried_ = true;
        const HMODULE library = systemLibrary(L"gdiplus.dll");
        const auto function = [library]<typename Function>(Function& into, const char* name) {
            into = systemFunction<Function>(library, name);
            return into != nullptr;
        };
        GdiplusFunctions& gdiplus = services.gdiplus_;
        decltype(&Gdiplus::GdiplusStartup) startup = nullptr;
        const Gdiplus::GdiplusStartupInput input;
        services.picturesStarted_ =
            function(startup, "GdiplusStartup") &&
            function(services.gdiplusShutdown_, "GdiplusShutdown") &&
            function(gdiplus.createBitmapFromStream, "GdipCreateBitmapFromStream") &&
            function(gdiplus.createBitmapFromHbitmap, "GdipCreateBitmapFromHBITMAP") &&
            function(gdiplus.disposeImage, "GdipDisposeImage") &&
            function(gdiplus.imageWidth, "GdipGetImageWidth") &&
            function(gdiplus.imageHeight, "GdipGetImageHeight") &&
            function(gdiplus.createFromHdc, "GdipCreateFromHDC") &&
            function(gdiplus.deleteGraphics, "GdipDeleteGraphics") &&
            function(gdiplus.setInterpolationMode, "GdipSetInterpolationMode") &&
            function(gdiplus.setPixelOffsetMode, "GdipSetPixelOffsetMode") &&
            function(gdiplus.drawImageRectI, "GdipDrawImageRectI") &&
            startup(&services.pictures_, &input, nullptr) == Gdiplus::Ok;
    }
    return services.picturesStarted_ ? &services.gdiplus_ : nullptr;
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
