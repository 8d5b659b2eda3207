#include "decimal_text.h"

#include <array>
#include <charconv>

namespace hourvault {

std::string integerText(int value) {
    std::array<char, 16> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return ec == std::errc{} ? std::string(buffer.data(), end) : std::string{};
}

std::string roundedText(double value, int decimals, std::string_view separator) {
    // Large enough for any finite double in fixed notation with a few decimals.
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc{}) {
        return {};
    }
    std::string text(buffer.data(), end);
    const auto point = text.find('.');
    if (point != std::string::npos) {
        const auto lastDigit = text.find_last_not_of('0');
        text.erase(lastDigit == point ? point : lastDigit + 1);
        if (text.size() > point) {
            text.replace(point, 1, separator);
        }
    }
    // A small negative value rounds to zero; it is shown as a plain zero.
    if (text == "-0") {
        text = "0";
    }
    return text;
}

} // namespace hourvault
