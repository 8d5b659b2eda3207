#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace hourvault::win32 {

// The functions of GDI+ that the program draws pictures with.
struct GdiplusFunctions {
    decltype(&Gdiplus::DllExports::GdipCreateBitmapFromStream) createBitmapFromStream;
    decltype(&Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP) createBitmapFromHbitmap;
    decltype(&Gdiplus::DllExports::GdipDisposeImage) disposeImage;
    decltype(&Gdiplus::DllExports::GdipGetImageWidth) imageWidth;
    decltype(&Gdiplus::DllExports::GdipGetImageHeight) imageHeight;
    decltype(&Gdiplus::DllExports::GdipCreateFromHDC) createFromHdc;
    decltype(&Gdiplus::DllExports::GdipDeleteGraphics) deleteGraphics;
    decltype(&Gdiplus::DllExports::GdipSetInterpolationMode) setInterpolationMode;
    decltype(&Gdiplus::DllExports::GdipSetPixelOffsetMode) setPixelOffsetMode;
    decltype(&Gdiplus::DllExports::GdipDrawImageRectI) drawImageRectI;
};

// What the program's windows need for as long as they live. The common controls are set up
// before the first window is built. GDI+, which reads the pictures kept as files and draws a
// picture at a scale of its own, and COM on this thread, for the accessibility annotations and
// what screen readers ask, start when first needed, so that neither holds up the first paint
// where it is not needed for it; GDI+'s library is not even loaded before. All end with this
// object.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();

    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    // GDI+'s functions, GDI+ started now if it was not. Null if it cannot start, or no
    // ProgramServices lives.
    [[nodiscard]] static const GdiplusFunctions* pictures();
    // COM on this thread, apartment-threaded: started now if it was not. False likewise.
    [[nodiscard]] static bool com();

private:
    static ProgramServices* running_;

    bool picturesTried_ = false;
    bool picturesStarted_ = false;
    GdiplusFunctions gdiplus_{};
    decltype(&Gdiplus::GdiplusShutdown) gdiplusShutdown_ = nullptr;
    ULONG_PTR pictures_ = 0;
    bool comTried_ = false;
    HRESULT com_ = E_FAIL;
};

} // namespace hourvault::win32
