#include "fonts.h"

#include "chrome.h"
#include "dialog_font.h"
#include "dpi.h"
#include "gdi.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace hourvault::win32 {

namespace {

HFONT fontOfHeight(const wchar_t* family, LONG pixels, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, family, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// Whether the text, drawn in the font from the top left corner wrapped at the width as its
// control draws it, leaves no mark right of or below the bounds. Drawn as the screen draws, in
// colour: a stand-in at a small size may draw text wider than it measures.
bool drawnWithin(HFONT font, const std::wstring& text, UINT format, int width, SIZE bounds) {
    const MemoryDc memory(nullptr);
    HDC target = memory.get();
    const Selection fontSelected(target, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(target, &metrics);
    // Room for what overhangs the bounds.
    const SIZE canvas{std::max<LONG>(width, bounds.cx) + metrics.tmHeight,
                      bounds.cy + metrics.tmHeight};
    BITMAPINFO colour{};
    colour.bmiHeader = {
        sizeof colour.bmiHeader, canvas.cx, -canvas.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const Bitmap drawing(CreateDIBSection(target, &colour, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool within = true;
    if (drawing.get() != nullptr) {
        const Selection drawingSelected(target, drawing.get());
        // Again on the colour bitmap, which the font's smoothing depends on.
        SelectObject(target, GetStockObject(DEFAULT_GUI_FONT));
        SelectObject(target, font);
        RECT all{0, 0, canvas.cx, canvas.cy};
        FillRect(target, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(target, RGB(0, 0, 0));
        SetBkMode(target, TRANSPARENT);
        RECT box{0, 0, width, canvas.cy};
        DrawTextW(target, text.c_str(), static_cast<int>(text.size()), &box, format | DT_NOCLIP);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (LONG y = 0; y < canvas.cy && within; ++y) {
            for (LONG x = y < bounds.cy ? bounds.cx : 0; x < canvas.cx && within; ++x) {
                within = (pixels[y * canvas.cx + x] & 0xFFFFFFu) == 0xFFFFFFu;
            }
        }
    }
    return within;
}

// Whether a label's text fits its box in the font, wrapped at word boundaries as a label wraps
// it, or a frame's caption its frame on one line beside the frame's corner, which draws it in a
// box of its measure; as measured and as drawn.
bool fits(HFONT font, const LayoutRow& control, UINT dpi) {
    const int d = static_cast<int>(dpi);
    const bool label = control.kind == ControlKind::label;
    const std::wstring text = wide(control.text);
    const UINT format = DT_NOPREFIX | (label ? DT_WORDBREAK : DT_SINGLELINE);
    const int width =
        pixels(control.place.width, d) - (label ? 0 : 2 * MulDiv(frameCaptionLeft, d, standardDpi));
    RECT needed{0, 0, width, 0};
    {
        const WindowDc screen(nullptr);
        const Selection selected(screen.get(), font);
        DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | format);
    }
    const SIZE bounds =
        label ? SIZE{width, pixels(control.place.height, d)}
              : SIZE{needed.right + MulDiv(frameCaptionPadding, d, standardDpi), needed.bottom};
    return needed.right <= width && needed.bottom <= bounds.cy &&
           drawnWithin(font, text, format, width, bounds);
}

} // namespace

HFONT makeFont(const wchar_t* family, double points, bool bold, UINT dpi) {
    return fontOfHeight(family, std::lround(points * dpi / 72.0), bold);
}

DialogFonts::DialogFonts(std::span<const LayoutRow> controls, UINT dpi) {
    const std::wstring family = wide(layoutFont.family);
    const LONG height = std::lround(layoutFont.points * dpi / 72.0);
    owned_.emplace_back(fontOfHeight(family.c_str(), height, false));
    const auto texts = [&controls](ControlKind kind) {
        std::vector<const LayoutRow*> found;
        for (const LayoutRow& control : controls) {
            if (control.kind == kind && control.text != nullptr && *control.text != '\0') {
                found.push_back(&control);
            }
        }
        return found;
    };
    const auto allFit = [dpi](HFONT font, const std::vector<const LayoutRow*>& fitted) {
        return std::all_of(fitted.begin(), fitted.end(), [font, dpi](const LayoutRow* control) {
            return fits(font, *control, dpi);
        });
    };
    // The dialog font if all the controls fit in it, else the highest lower one, down to three
    // quarters of its height, in which they do; the lowest if none.
    const auto fitting = [&](const std::vector<const LayoutRow*>& fitted) {
        if (allFit(dialog(), fitted)) {
            return;
        }
        Font lowered;
        for (LONG lower = height - 1; lower >= height * 3 / 4; --lower) {
            lowered.reset(fontOfHeight(family.c_str(), lower, false));
            if (allFit(lowered.get(), fitted)) {
                break;
            }
        }
        for (const LayoutRow* control : fitted) {
            byName_.emplace_back(control->name, lowered.get());
        }
        owned_.push_back(std::move(lowered));
    };
    // The labels alike, as they read on together; each frame's caption on its own.
    fitting(texts(ControlKind::label));
    for (const LayoutRow* frame : texts(ControlKind::frame)) {
        fitting({frame});
    }
}

HFONT DialogFonts::dialog() const {
    return owned_.empty() ? nullptr : owned_.front().get();
}

HFONT DialogFonts::of(std::string_view name) const {
    const auto found = std::find_if(byName_.begin(), byName_.end(),
                                    [name](const auto& font) { return font.first == name; });
    return found != byName_.end() ? found->second : dialog();
}

} // namespace hourvault::win32
