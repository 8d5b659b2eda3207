#pragma once

namespace hourvault {

// Every window's places are in twips, 1/1440 inch, from the top-left corner of the window's
// client area or of the frame that holds the control: 15 twips make one pixel at 96 dots per
// inch.
inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDpi = 96;

// Twips to pixels at a screen's dots per inch, to the nearest pixel (halves away from zero).
[[nodiscard]] constexpr int pixels(int twips, int dpi = standardDpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = twipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / twipsPerInch
                                        : -((-scaled + half) / twipsPerInch));
}

struct TwipsPoint {
    int x;
    int y;
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

} // namespace hourvault
