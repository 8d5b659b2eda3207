#include "pictures.h"

#include "chrome.h"
#include "dpi.h"
#include "dpi_messages.h"
#include "gdi.h"
#include "program_services.h"
#include "text.h"
#include "window_class.h"

#include <objbase.h>

#include <cstring>
#include <string>

namespace hourvault::win32 {

namespace {

constexpr wchar_t pictureClass[] = L"HourvaultPicture";
constexpr UINT programIconId = 1;

bool fromTwin(UINT dpi) {
    return drawsTwin(static_cast<double>(dpi) / standardDpi);
}

// The resource a picture kept as a file is built in under: its file name, and its twin's with
// "_2x" for "@2x", which resource names cannot hold.
std::wstring resourceName(const std::wstring& file, bool twice) {
    if (!twice) {
        return file;
    }
    const std::size_t dot = file.rfind(L'.');
    return file.substr(0, dot) + L"_2x" + file.substr(dot);
}

void report(const std::wstring& what) {
    OutputDebugStringW((L"hourvault: " + what + L"\n").c_str());
}

// The bitmap of what its box shows, built in for each of the main window's pictures under the
// file's name without its extension after its scale (x1_, or x2_ for the twin); null for a
// picture kept as a file.
HBITMAP loadShownPart(const std::wstring& file, bool twice) {
    const std::wstring name = (twice ? L"x2_" : L"x1_") + file.substr(0, file.rfind(L'.'));
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0,
                                           0, LR_CREATEDIBSECTION));
}

// Reads a picture kept as a file from the program's resources; null, and a report, if it
// cannot.
Gdiplus::GpBitmap* readPicture(const GdiplusFunctions& gdiplus, const std::wstring& name) {
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        report(L"the picture " + name + L" is not in the program");
        return nullptr;
    }
    // A stream over a copy, which the stream frees.
    const DWORD size = SizeofResource(program, found);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (void* into = copy != nullptr ? GlobalLock(copy) : nullptr) {
        std::memcpy(into, data, size);
        GlobalUnlock(copy);
    }
    IStream* stream = nullptr;
    if (copy != nullptr && FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        stream = nullptr;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status =
        stream != nullptr ? gdiplus.createBitmapFromStream(stream, &bitmap) : Gdiplus::OutOfMemory;
    if (stream != nullptr) {
        stream->Release();
    }
    if (status != Gdiplus::Ok) {
        report(L"cannot read the picture " + name + L": GDI+ status " +
               std::to_wstring(static_cast<int>(status)));
        return nullptr;
    }
    return bitmap;
}

// What a box shows, drawn once for its resolution: from its top-left corner, black beyond.
struct Shown {
    Bitmap bitmap;
    SIZE size{};
    UINT dpi = 0;

    void drop() {
        bitmap.reset();
        size = {};
        dpi = 0;
    }
};

// Draws the picture scaled by GDI+ into a bitmap of the box's size, from the corner.
HBITMAP drawScaled(const GdiplusFunctions& gdiplus, HWND box, Gdiplus::GpImage* picture, UINT dpi,
                   int scale) {
    RECT area{};
    GetClientRect(box, &area);
    if (area.right <= 0 || area.bottom <= 0) {
        return nullptr;
    }
    UINT width = 0;
    UINT height = 0;
    gdiplus.imageWidth(picture, &width);
    gdiplus.imageHeight(picture, &height);
    const WindowDc screen(box);
    const MemoryDc memoryDc(screen.get());
    HDC memory = memoryDc.get();
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), area.right, area.bottom);
    const Selection drawing(memory, bitmap);
    FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Gdiplus::GpGraphics* made = nullptr;
    gdiplus.createFromHdc(memory, &made);
    const GdiplusObject graphics(made, gdiplus.deleteGraphics);
    // As many screen pixels as the picture (or the part of it built in) fills at this scale.
    const int drawnWidth = MulDiv(static_cast<int>(width), static_cast<int>(dpi), scale);
    const int drawnHeight = MulDiv(static_cast<int>(height), static_cast<int>(dpi), scale);
    const bool exact = drawnWidth == static_cast<int>(width);
    gdiplus.setInterpolationMode(graphics.get(),
                                 exact ? Gdiplus::InterpolationModeNearestNeighbor
                                       : Gdiplus::InterpolationModeHighQualityBicubic);
    gdiplus.setPixelOffsetMode(graphics.get(), Gdiplus::PixelOffsetModeHalf);
    gdiplus.drawImageRectI(graphics.get(), picture, 0, 0, drawnWidth, drawnHeight);
    return bitmap;
}

// The picture at the screen's scale. At 100 % and 200 % a main-window picture is its built-in
// bitmap, drawn pixel for pixel; at other scales GDI+ draws it from that bitmap, as it reads and
// draws a picture kept as a file at every scale.
Bitmap render(HWND box, const std::wstring& file, UINT dpi) {
    const bool twice = fromTwin(dpi);
    // One picture pixel is one pixel at 96 dots per inch; a twin's, half of one.
    const int scale = twice ? 2 * standardDpi : standardDpi;
    Bitmap shownPart(loadShownPart(file, twice));
    if (shownPart.get() != nullptr && static_cast<int>(dpi) == scale) {
        return shownPart;
    }
    const GdiplusFunctions* gdiplus = ProgramServices::pictures();
    if (gdiplus == nullptr) {
        report(L"GDI+ cannot start to draw the picture " + file);
        return {};
    }
    Gdiplus::GpBitmap* read = nullptr;
    if (shownPart.get() != nullptr) {
        gdiplus->createBitmapFromHbitmap(shownPart.get(), nullptr, &read);
    } else {
        read = readPicture(*gdiplus, resourceName(file, twice));
    }
    const GdiplusObject picture(static_cast<Gdiplus::GpImage*>(read), gdiplus->disposeImage);
    return Bitmap(picture.get() != nullptr ? drawScaled(*gdiplus, box, picture.get(), dpi, scale)
                                           : nullptr);
}

// A box's picture: its file, and what of it is drawn.
struct Picture {
    std::wstring file;
    Shown shown;
};

void paint(HWND box, Picture& picture) {
    Shown& shown = picture.shown;
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(box, &paint);
    const UINT dpi = dpiOf(box);
    if (shown.dpi != dpi) {
        shown.drop();
        shown.dpi = dpi;
        shown.bitmap = render(box, picture.file, dpi);
        BITMAP size{};
        if (shown.bitmap.get() != nullptr &&
            GetObjectW(shown.bitmap.get(), sizeof size, &size) != 0) {
            shown.size = {size.bmWidth, size.bmHeight};
        }
    }
    RECT area{};
    GetClientRect(box, &area);
    if (shown.bitmap.get() != nullptr) {
        {
            const MemoryDc memory(target);
            const Selection drawn(memory.get(), shown.bitmap.get());
            BitBlt(target, 0, 0, shown.size.cx, shown.size.cy, memory.get(), 0, 0, SRCCOPY);
        }
        if (shown.size.cx < area.right || shown.size.cy < area.bottom) {
            ExcludeClipRect(target, 0, 0, shown.size.cx, shown.size.cy);
            FillRect(target, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    } else {
        // The place the picture would have filled, outlined.
        FillRect(target, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FrameRect(target, &area, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    EndPaint(box, &paint);
}

WindowData<Picture*> pictures;

LRESULT CALLBACK pictureProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* picture = pictures.of(box);
    switch (message) {
    case WM_NCCREATE: {
        // Its file comes with its creation; its text is what it shows.
        const auto* file = static_cast<const std::wstring*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        pictures.keep(box, new Picture{*file, {}});
        break;
    }
    case WM_NCDESTROY:
        if (picture != nullptr) {
            delete pictures.release(box);
        }
        break;
    case WM_PAINT:
        paint(box, *picture);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
    case WM_DPICHANGED_AFTERPARENT: // the picture's scale has changed
        picture->shown.drop();
        InvalidateRect(box, nullptr, FALSE);
        break;
    case WM_NCHITTEST:
        // Clicks go to what lies beneath, as on a picture of the window's background.
        return HTTRANSPARENT;
    default:
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

} // namespace

HWND createPicture(HWND parent, int id, const LayoutRow& row, const RECT& place, bool shown) {
    static const bool registered = registerWindowClass(pictureClass, pictureProcedure);
    if (!registered) {
        return nullptr;
    }
    std::wstring file = wide(row.text);
    return CreateWindowExW(
        0, pictureClass, wide(row.accessibleText != nullptr ? row.accessibleText : "").c_str(),
        WS_CHILD | (shown ? WS_VISIBLE : 0) | WS_CLIPSIBLINGS, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), &file);
}

HICON loadProgramIcon(int kind, UINT dpi) {
    const int side = metricAt(kind == ICON_BIG ? SM_CXICON : SM_CXSMICON, dpi);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(programIconId),
                                         IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

} // namespace hourvault::win32
