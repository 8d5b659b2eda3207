#include "command_line.h"

namespace hourvault {

std::optional<std::string> commandLineAnswer(std::span<const std::string_view> arguments,
                                             std::string_view program, std::string_view version) {
    const std::string name(program);
    for (const std::string_view argument : arguments) {
        if (argument == "--version") {
            return name + " " + std::string(version) + "\n";
        }
        if (argument == "--help" || argument == "-h" || argument == "/?") {
            return "Usage: " + name +
                   " [--help] [--version]\n"
                   "Opens the window that works out how long a TX-4160 or TX-4090 video "
                   "recorder can record.\n";
        }
    }
    return std::nullopt;
}

} // namespace hourvault
