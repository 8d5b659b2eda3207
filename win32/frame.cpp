#include "frame.h"

#include "dpi.h"
#include "gdi.h"
#include "text.h"
#include "window_class.h"

namespace hourvault::win32 {

namespace {

struct FrameData {
    HFONT font = nullptr;
    std::optional<main_window::LineSpec> line;
};

void drawRect(HDC target, const RECT& rect, const Rgb& rgb) {
    const Pen pen(CreatePen(PS_SOLID, 1, colourOf(rgb)));
    const Selection penSelected(target, pen.get());
    const Selection noFill(target, GetStockObject(NULL_BRUSH));
    Rectangle(target, rect.left, rect.top, rect.right, rect.bottom);
}

void draw(HWND frame, HDC target, const FrameData& data) {
    RECT area{};
    GetClientRect(frame, &area);
    const Brush background(CreateSolidBrush(colourOf(main_window::look.background)));
    FillRect(target, &area, background.get());

    const Selection font(target, data.font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(target, &metrics);
    // A shadow line, and a highlight line one pixel further in, as an etched edge is drawn.
    const RECT border{0, metrics.tmHeight / 2, area.right - 1, area.bottom - 1};
    drawRect(target, border, chrome::grey);
    drawRect(target, {border.left + 1, border.top + 1, border.right + 1, border.bottom + 1},
             chrome::white);

    const UINT dpi = dpiOf(frame);
    if (data.line) {
        const Pen pen(CreatePen(PS_SOLID, MulDiv(1, static_cast<int>(dpi), standardDpi),
                                colourOf(data.line->colour)));
        const Selection penSelected(target, pen.get());
        const int d = static_cast<int>(dpi);
        MoveToEx(target, pixels(data.line->from.x, d), pixels(data.line->from.y, d), nullptr);
        LineTo(target, pixels(data.line->to.x, d), pixels(data.line->to.y, d));
    }

    const std::wstring caption = windowText(frame);
    if (!caption.empty()) {
        SIZE extent{};
        GetTextExtentPoint32W(target, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const int padding = MulDiv(frameCaptionPadding, static_cast<int>(dpi), standardDpi);
        const int left = MulDiv(frameCaptionLeft, static_cast<int>(dpi), standardDpi);
        RECT box{left, 0, left + extent.cx + 2 * padding, metrics.tmHeight};
        FillRect(target, &box, background.get());
        SetBkMode(target, TRANSPARENT);
        SetTextColor(target, colourOf(main_window::look.text));
        DrawTextW(target, caption.c_str(), static_cast<int>(caption.size()), &box,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
}

void paint(HWND frame, const FrameData& data) {
    PAINTSTRUCT paint{};
    draw(frame, BeginPaint(frame, &paint), data);
    EndPaint(frame, &paint);
}

WindowData<FrameData*> frames;

LRESULT CALLBACK frameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* data = frames.of(frame);
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* made = new FrameData;
        if (create->lpCreateParams != nullptr) {
            made->line = *static_cast<const main_window::LineSpec*>(create->lpCreateParams);
        }
        frames.keep(frame, made);
        break;
    }
    case WM_NCDESTROY:
        delete frames.release(frame);
        break;
    case WM_SETFONT:
        data->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam) != 0) {
            InvalidateRect(frame, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(data->font);
    case WM_PAINT:
        paint(frame, *data);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        break;
    }
    return DefWindowProcW(frame, message, wParam, lParam);
}

} // namespace

HWND createFrame(HWND parent, int id, const wchar_t* caption, const RECT& place,
                 std::optional<main_window::LineSpec> line) {
    static const bool registered = registerWindowClass(frameClass, frameProcedure);
    if (!registered) {
        return nullptr;
    }
    return CreateWindowExW(0, frameClass, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), line ? &*line : nullptr);
}

} // namespace hourvault::win32
