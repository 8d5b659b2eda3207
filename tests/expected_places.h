#pragma once

// Where some of the main window's controls sit, in pixels of its client area at 100 %, as both
// front-ends' tests expect them; the banner sticks out to the left.

namespace hourvault::expected {

struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr Place places[]{
    {"cameras", 224, 40, 153, 21}, {"txtHours", 501, 288, 53, 21},
    {"txtDays", 424, 256, 41, 21}, {"cmdCalculate", 224, 248, 153, 33},
    {"favor16", 0, 56, 200, 247},  {"TX4090", 24, 304, 162, 32},
    {"Picture3", -8, 0, 177, 57},  {"txtFormat", 152, 273, 33, 17},
};

} // namespace hourvault::expected
