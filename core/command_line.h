#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hourvault {

// What the program answers on its command line instead of opening its window: its version
// (--version), or a line of use (--help, -h, or /? as on Windows). Nothing for anything else.
[[nodiscard]] std::optional<std::string>
commandLineAnswer(std::span<const std::string_view> arguments, std::string_view program,
                  std::string_view version);

} // namespace hourvault
