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

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

[[nodiscard]] constexpr QPoint twipsPoint(int x, int y) {
    return {twips(x), twips(y)};
}

} // namespace hourvault
