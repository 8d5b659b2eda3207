#include "decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>
#include <version>

namespace hourvault {

namespace {

// A whole number of any size, as 32-bit limbs from the lowest up; enough for a double's exact
// value times a power of ten.
class WholeNumber {
public:
    explicit WholeNumber(std::uint64_t value) {
        for (; value != 0; value >>= 32U) {
            limbs_.push_back(static_cast<std::uint32_t>(value));
        }
    }

    void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32U;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
    }

    void shiftLeft(unsigned bits) {
        if (limbs_.empty()) {
            return;
        }
        limbs_.insert(limbs_.begin(), bits / 32, 0);
        shiftLimbsLeft(bits % 32);
    }

    // Drops the lowest `bits` bits; says whether the dropped part was more than, exactly or less
    // than half of one unit of what remains (1, 0, -1).
    int shiftRight(unsigned bits) {
        const bool half = bit(bits - 1);
        bool belowHalf = false;
        for (unsigned i = 0; i + 1 < bits && !belowHalf; ++i) {
            belowHalf = bit(i);
        }
        const std::size_t whole = bits / 32;
        limbs_.erase(limbs_.begin(),
                     limbs_.begin() + static_cast<std::ptrdiff_t>(std::min(whole, limbs_.size())));
        shiftLimbsRight(bits % 32);
        return !half ? -1 : belowHalf ? 1 : 0;
    }

    [[nodiscard]] bool isOdd() const { return !limbs_.empty() && (limbs_.front() & 1U) != 0; }

    void addOne() {
        for (std::uint32_t& limb : limbs_) {
            if (++limb != 0) {
                return;
            }
        }
        limbs_.push_back(1);
    }

    // Decimal digits, most significant first; "0" for zero.
    [[nodiscard]] std::string digits() const {
        std::vector<std::uint32_t> rest = limbs_;
        std::string reversed;
        while (!rest.empty()) {
            // Nine digits at a time, by long division of the limbs.
            constexpr std::uint32_t billion = 1'000'000'000;
            std::uint64_t remainder = 0;
            for (auto limb = rest.rbegin(); limb != rest.rend(); ++limb) {
                const std::uint64_t part = (remainder << 32U) | *limb;
                *limb = static_cast<std::uint32_t>(part / billion);
                remainder = part % billion;
            }
            while (!rest.empty() && rest.back() == 0) {
                rest.pop_back();
            }
            for (int i = 0; i < 9 && (!rest.empty() || remainder != 0); ++i) {
                reversed.push_back(static_cast<char>('0' + remainder % 10));
                remainder /= 10;
            }
        }
        return reversed.empty() ? "0" : std::string(reversed.rbegin(), reversed.rend());
    }

private:
    [[nodiscard]] bool bit(unsigned index) const {
        const std::size_t limb = index / 32;
        return limb < limbs_.size() && ((limbs_[limb] >> (index % 32)) & 1U) != 0;
    }

    void shiftLimbsLeft(unsigned bits) {
        if (bits == 0) {
            return;
        }
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint32_t next = limb >> (32 - bits);
            limb = (limb << bits) | carry;
            carry = next;
        }
        if (carry != 0) {
            limbs_.push_back(carry);
        }
    }

    void shiftLimbsRight(unsigned bits) {
        if (bits != 0) {
            for (std::size_t i = 0; i < limbs_.size(); ++i) {
                const std::uint32_t above = i + 1 < limbs_.size() ? limbs_[i + 1] : 0;
                limbs_[i] = (limbs_[i] >> bits) | (above << (32 - bits));
            }
        }
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<std::uint32_t> limbs_;
};

} // namespace

std::string exactFixedText(double value, int decimals) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    // value = mantissa * 2^exponent exactly, so value * 10^decimals, rounded, is whole.
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    const auto biased = static_cast<int>((bits >> 52U) & 0x7ffU);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52U) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52U);
    const int exponent = (biased == 0 ? 1 : biased) - 1075;

    WholeNumber scaled(mantissa);
    for (int i = 0; i < decimals; ++i) {
        scaled.multiplyBy(10);
    }
    if (exponent >= 0) {
        scaled.shiftLeft(static_cast<unsigned>(exponent));
    } else {
        const int rest = scaled.shiftRight(static_cast<unsigned>(-exponent));
        if (rest > 0 || (rest == 0 && scaled.isOdd())) {
            scaled.addOne();
        }
    }

    std::string digits = scaled.digits();
    const auto places = static_cast<std::size_t>(std::max(decimals, 0));
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    if (places > 0) {
        digits.insert(digits.size() - places, 1, '.');
    }
    return std::signbit(value) ? "-" + digits : digits;
}

std::string integerText(int value) {
    std::array<char, 16> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return ec == std::errc{} ? std::string(buffer.data(), end) : std::string{};
}

std::string roundedText(double value, int decimals, std::string_view separator) {
#if defined(__cpp_lib_to_chars)
    // Large enough for any finite double in fixed notation with a few decimals.
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc{}) {
        return {};
    }
    std::string text(buffer.data(), end);
#else
    std::string text = exactFixedText(value, decimals);
#endif
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
