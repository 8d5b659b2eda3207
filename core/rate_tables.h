#pragma once

#include "settings.h"

#include <span>
#include <string_view>

namespace hourvault {

// Highest recording rate (images per second for each camera) for a camera count of 1 to 16,
// a format and a resolution index (0 CIF, 1 2CIF); 0 where there is no such row.
[[nodiscard]] int highestRate(Format format, int resolutionIndex, int cameraCount);

// Every rate the recording-rate list offers below a highest rate, highest first; empty for a
// highest rate the format does not have.
[[nodiscard]] std::span<const int> rateEntries(Format format, int highest);

// The rate a list text stands for, by exact text over every rate the lists can offer; 0 for
// any other text.
[[nodiscard]] double ratePerSecond(std::string_view text);

} // namespace hourvault
