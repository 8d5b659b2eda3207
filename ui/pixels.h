#pragma once

#include "chrome.h"
#include "twips.h"

#include <QColor>
#include <QPoint>
#include <QRect>

namespace hourvault {

// A place from the layout tables in logical pixels; Qt's device-pixel ratio takes care of
// high-DPI screens from there.
[[nodiscard]] constexpr QRect pixelRect(const TwipsRect& place) {
    return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

[[nodiscard]] constexpr QPoint pixelPoint(const TwipsPoint& point) {
    return {pixels(point.x), pixels(point.y)};
}

[[nodiscard]] inline QColor toColor(const Rgb& colour) {
    return {colour.red, colour.green, colour.blue};
}

} // namespace hourvault
