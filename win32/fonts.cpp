#include "fonts.h"

#include "dpi.h"
#include "text.h"

#include <cmath>

namespace hourvault::win32 {

namespace {

HFONT fontOfHeight(const wchar_t* family, LONG pixels, bool bold, LONG averageWidth = 0) {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWidth = averageWidth;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, family, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// Whether every label's text fits its box in the font, wrapped at word boundaries as a label
// wraps it, and every caption its frame on one line beside the frame's corner.
bool fits(HDC target, std::span<const ControlSpec> controls, UINT dpi) {
    const int d = static_cast<int>(dpi);
    for (const ControlSpec& control : controls) {
        const bool label = control.kind == ControlKind::label;
        if ((!label && control.kind != ControlKind::frame) || control.text == nullptr) {
            continue;
        }
        const std::wstring text = wide(control.text);
        const int width = pixels(control.place.width, d) - (label ? 0 : MulDiv(12, d, 96));
        RECT needed{0, 0, width, 0};
        DrawTextW(target, text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | DT_NOPREFIX | (label ? DT_WORDBREAK : DT_SINGLELINE));
        if (needed.right > width || (label && needed.bottom > pixels(control.place.height, d))) {
            return false;
        }
    }
    return true;
}

} // namespace

HFONT makeFont(const wchar_t* family, double points, bool bold, UINT dpi) {
    return fontOfHeight(family, std::lround(points * dpi / 72.0), bold);
}

HFONT makeDialogFont(std::span<const ControlSpec> controls, UINT dpi) {
    constexpr wchar_t family[] = L"Microsoft Sans Serif";
    const LONG height = std::lround(8.0 * dpi / 72.0);
    HDC screen = GetDC(nullptr);
    HFONT font = fontOfHeight(family, height, false);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    // Narrower rather than lower, down to three quarters of the width: a smaller height is
    // drawn wider than it measures by some stand-ins.
    const LONG designedWidth = metrics.tmAveCharWidth;
    for (LONG width = designedWidth - 1;
         !fits(screen, controls, dpi) && width >= designedWidth * 3 / 4; --width) {
        SelectObject(screen, previous);
        DeleteObject(font);
        font = fontOfHeight(family, height, false, width);
        previous = SelectObject(screen, font);
    }
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return font;
}

} // namespace hourvault::win32
