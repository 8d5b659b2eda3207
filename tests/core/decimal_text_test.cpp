#include "decimal_text.h"
#include "option_tables.h"
#include "rate_tables.h"
#include "recording_time.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>
#include <version>

namespace hourvault_test {
namespace {

using hourvault::exactFixedText;
using hourvault::Format;

#if defined(__cpp_lib_to_chars)
// The hours and the days of every request the lists can make: each format, camera count,
// resolution, quality, rate on offer, audio and disk size. The TX-4090's requests are those of
// the TX-4160 with up to nine cameras.
struct Requests {
    std::vector<double> values;
    int count = 0;
};

Requests everyRequest() {
    Requests all;
    for (const Format format : {Format::ntsc, Format::pal}) {
        for (int cameras = 1; cameras <= 16; ++cameras) {
            for (int resolution = 0; resolution < 2; ++resolution) {
                const int highest = hourvault::highestRate(format, resolution, cameras);
                for (const auto& quality : hourvault::qualityEntries(resolution)) {
                    for (const int rate : hourvault::rateEntries(format, highest)) {
                        for (const auto& audio : hourvault::audioEntries) {
                            for (const auto& disk : hourvault::hddSizeEntries(format)) {
                                const double kbPerHour =
                                    ((double(cameras) * quality.value) * rate + audio.value) * 60 *
                                    60;
                                const double hours = (double(disk.value) * 1024 * 1024) / kbPerHour;
                                all.values.push_back(hours);
                                all.values.push_back(hours / 24);
                                ++all.count;
                            }
                        }
                    }
                }
            }
        }
    }
    return all;
}

// Doubles of every kind: ties in binary, halves and near-halves of the places asked for,
// the extremes, and random bit patterns.
std::vector<double> awkwardValues() {
    std::vector<double> values{0.0,
                               -0.0,
                               0.125,
                               0.375,
                               2.5,
                               -2.5,
                               0.05,
                               1.005,
                               102.84996,
                               116508.4567,
                               9.995,
                               99.995,
                               1e22,
                               1e300,
                               -1.7976931348623157e308,
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::epsilon()};
    for (int n = 0; n < 4000; ++n) {
        values.push_back((n + 0.5) / 100.0);
        values.push_back(std::nextafter((n + 0.5) / 10.0, 0.0));
        values.push_back(std::ldexp(double(n) + 1, -n % 60));
    }
    std::mt19937_64 random(20051116);
    for (int n = 0; n < 20000; ++n) {
        double value = 0;
        do {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        values.push_back(value);
    }
    return values;
}

std::string viaToChars(double value, int decimals) {
    std::vector<char> buffer(2000);
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    return ec == std::errc{} ? std::string(buffer.data(), end) : "(too long)";
}

// Where the standard library has std::to_chars, the program uses it; the whole-number rule that
// stands in for it elsewhere must give the same text for every value it can meet.
TEST(DecimalText, ExactRuleWritesWhatToCharsWrites) {
    const Requests requests = everyRequest();
    EXPECT_EQ(requests.count, 29106);
    for (const double value : requests.values) {
        for (const int decimals : {1, 2}) {
            ASSERT_EQ(exactFixedText(value, decimals), viaToChars(value, decimals)) << value;
        }
    }
    for (const double value : awkwardValues()) {
        for (const int decimals : {0, 1, 2, 3, 17}) {
            ASSERT_EQ(exactFixedText(value, decimals), viaToChars(value, decimals))
                << value << " to " << decimals << " places";
        }
    }
}
#endif

TEST(DecimalText, ExactRuleRoundsTheDoubleItselfTiesToEven) {
    // 1.005 is stored a little below, 0.125 and 2.5 exactly: ties go to the even digit.
    EXPECT_EQ(exactFixedText(1.005, 2), "1.00");
    EXPECT_EQ(exactFixedText(0.125, 2), "0.12");
    EXPECT_EQ(exactFixedText(0.375, 2), "0.38");
    EXPECT_EQ(exactFixedText(-2.5, 0), "-2");
    EXPECT_EQ(exactFixedText(3.5, 0), "4");
    EXPECT_EQ(exactFixedText(-0.0, 1), "-0.0");
    EXPECT_EQ(exactFixedText(0.001, 2), "0.00");
    EXPECT_EQ(exactFixedText(1e22, 1), "10000000000000000000000.0");
    EXPECT_EQ(exactFixedText(std::numeric_limits<double>::denorm_min(), 3), "0.000");
    EXPECT_EQ(exactFixedText(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(exactFixedText(161.10127826941985, 2), "161.10");
    EXPECT_EQ(exactFixedText(200.05339294790547, 2), "200.05");
}

} // namespace
} // namespace hourvault_test
