#pragma once

namespace hourvault {

// The part of a main-window picture that its box shows, decoded when the program was built:
// from its top-left corner, a few pixels larger than the box, as Qt's RGB32 pixels (one 32-bit
// word 0xffRRGGBB each, rows without padding).
struct ShownPicture {
    const char* file; // the picture's file in assets/, as the layout table names it
    int scale;        // 1, or 2 for its twice-as-large twin
    int width;
    int height;
    const char* pixels;
};

extern const ShownPicture shownPictures[];
extern const int shownPictureCount;

} // namespace hourvault
