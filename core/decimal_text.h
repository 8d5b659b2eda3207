#pragma once

#include <string>
#include <string_view>

namespace hourvault {

// A whole number as plain decimal text, as the camera and rate lists show it.
[[nodiscard]] std::string integerText(int value);

// value rounded to `decimals` places (ties to even), without grouping or trailing zeros, and
// without a separator at all for a whole number: 161.10 -> "161.1", 1022.00 -> "1022".
// The result is locale-independent except for the separator the caller passes in.
[[nodiscard]] std::string roundedText(double value, int decimals, std::string_view separator);

} // namespace hourvault
