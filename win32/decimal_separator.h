#pragma once

#include <string>

namespace hourvault::win32 {

// The user's decimal separator as the regional settings have it now: a change made while the
// program runs counts from the next result on.
[[nodiscard]] std::string decimalSeparator();

} // namespace hourvault::win32
