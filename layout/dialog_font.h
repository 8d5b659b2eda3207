#pragma once

namespace hourvault {

// Every text but the format label's is laid out for the desktop's 8-point dialog font, whose
// line is 13 pixels at 100 %. Where that font is not at hand (Linux, a browser), Liberation Sans
// at 10 pixels stands in: it is shipped or installed with the program, and its letters come to
// the widths the boxes were made for.
struct DialogFont {
    const char* family;
    double points;
    int linePixels;
    const char* standIn;
    int standInPixels;
};
inline constexpr DialogFont layoutFont{"Microsoft Sans Serif", 8, 13, "Liberation Sans", 10};

} // namespace hourvault
