#include "rate_tables.h"

#include "decimal_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace hourvault {

namespace {

// Rows: 1 to 16 cameras. Columns: NTSC CIF, NTSC 2CIF, PAL CIF, PAL 2CIF.
constexpr std::array<std::array<std::int8_t, 4>, 16> highestRates{{
    {30, 30, 25, 25},
    {30, 30, 25, 25},
    {30, 15, 25, 12},
    {30, 15, 25, 12},
    {15, 10, 12, 8},
    {15, 10, 12, 8},
    {15, 7, 12, 6},
    {15, 7, 12, 6},
    {10, 6, 8, 5},
    {10, 6, 8, 5},
    {10, 5, 8, 4},
    {10, 5, 8, 4},
    {7, 4, 6, 3},
    {7, 4, 6, 3},
    {7, 3, 6, 3},
    {7, 3, 6, 3},
}};

constexpr std::array ntsc30{30, 15, 10, 8, 6, 5, 4, 3, 2, 1};
constexpr std::array ntsc15{15, 7, 5, 3, 2, 1};
constexpr std::array ntsc10{10, 5, 3, 2, 1};
constexpr std::array ntsc7{7, 3, 2, 1};
constexpr std::array ntsc6{6, 3, 2, 1};
constexpr std::array ntsc5{5, 3, 2, 1};
constexpr std::array ntsc4{4, 3, 2, 1};
constexpr std::array ntsc3{3, 2, 1};

constexpr std::array pal25{25, 12, 8, 6, 5, 4, 3, 2, 1};
constexpr std::array pal12{12, 6, 4, 3, 2, 1};
constexpr std::array pal8{8, 4, 2, 1};
constexpr std::array pal6{6, 3, 2, 1};
constexpr std::array pal5{5, 2, 1};
constexpr std::array pal4{4, 2, 1};
constexpr std::array pal3{3, 2, 1};

// Each list starts with its highest rate, which is how a list is found.
constexpr std::array<std::span<const int>, 8> ntscRateLists{ntsc30, ntsc15, ntsc10, ntsc7,
                                                            ntsc6,  ntsc5,  ntsc4,  ntsc3};
constexpr std::array<std::span<const int>, 7> palRateLists{pal25, pal12, pal8, pal6,
                                                           pal5,  pal4,  pal3};

std::span<const std::span<const int>> rateLists(Format format) {
    return format == Format::ntsc ? std::span<const std::span<const int>>(ntscRateLists)
                                  : std::span<const std::span<const int>>(palRateLists);
}

} // namespace

int highestRate(Format format, int resolutionIndex, int cameraCount) {
    if (resolutionIndex < 0 || resolutionIndex > 1 || cameraCount < 1 ||
        cameraCount > static_cast<int>(highestRates.size())) {
        return 0;
    }
    const auto column =
        static_cast<std::size_t>((format == Format::ntsc ? 0 : 2) + resolutionIndex);
    return highestRates[static_cast<std::size_t>(cameraCount - 1)][column];
}

std::span<const int> rateEntries(Format format, int highest) {
    for (const auto list : rateLists(format)) {
        if (list.front() == highest) {
            return list;
        }
    }
    return {};
}

double ratePerSecond(std::string_view text) {
    for (const Format format : {Format::ntsc, Format::pal}) {
        for (const auto list : rateLists(format)) {
            const auto found = std::find_if(list.begin(), list.end(),
                                            [text](int rate) { return integerText(rate) == text; });
            if (found != list.end()) {
                return static_cast<double>(*found);
            }
        }
    }
    return 0.0;
}

} // namespace hourvault
