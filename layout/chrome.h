#pragma once

#include <cstdint>

namespace hourvault {

// The windows paint text colours as backgrounds (black frames, white captions). These keep the
// standard scheme's values whatever the desktop's scheme, or a dark theme would make the
// captions vanish; lists, text boxes, buttons and menus keep the desktop's own colours.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

namespace chrome {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb grey{128, 128, 128};
} // namespace chrome

// A frame's caption, in pixels at 100 %: from the frame's left edge to the caption's box, and
// around the caption's text in that box, which covers the frame's border there.
inline constexpr int frameCaptionLeft = 6;
inline constexpr int frameCaptionPadding = 2;

// Each picture has a twice-as-large twin (name@2x). Above 100 % the twin is drawn, scaled down
// where the scale is not 200 %, which stays sharper than the picture scaled up.
[[nodiscard]] constexpr bool drawsTwin(double scale) {
    return scale > 1.0;
}

// A window's or a label's own colours.
struct Look {
    Rgb background;
    Rgb text;
};

} // namespace hourvault
