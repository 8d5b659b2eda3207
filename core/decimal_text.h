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

// value in fixed notation with exactly `decimals` places, as std::to_chars writes it: the
// double's exact value rounded to nearest, ties to even. Worked out in whole numbers, for
// standard libraries without a floating-point std::to_chars (roundedText uses it there).
[[nodiscard]] std::string exactFixedText(double value, int decimals);

} // namespace hourvault
