#pragma once

#include <QPoint>
#include <QRect>

namespace hourvault {

// The layout tables are in twips; 15 twips make one logical pixel. Qt's device-pixel ratio
// takes care of high-DPI screens from there.
[[nodiscard]] constexpr int twips(int value) {
    constexpr int perPixel = 15;
    return value >= 0 ? (value + perPixel / 2) / perPixel : -((-value + perPixel / 2) / perPixel);
}

// A control's place in twips, from the top-left corner of its window's client area (or of the
// frame that holds it). Kept apart from QRect, which means pixels everywhere else.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] constexpr QRect pixels() const {
        return {twips(left), twips(top), twips(width), twips(height)};
    }
};

[[nodiscard]] constexpr QPoint twipsPoint(int x, int y) {
    return {twips(x), twips(y)};
}

} // namespace hourvault
