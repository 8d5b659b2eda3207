#include "decimal_text.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <ostream>
#include <string>

namespace {

using hourvault::integerText;
using hourvault::roundedText;

struct Rounding {
    double value;
    int decimals;
    std::string separator;
    std::string text;
};

void PrintTo(const Rounding& r, std::ostream* out) {
    *out << std::setprecision(12) << r.value << "@" << r.decimals << "dp";
}

class RoundedText : public ::testing::TestWithParam<Rounding> {};

TEST_P(RoundedText, WritesPlainDecimalText) {
    const Rounding& r = GetParam();
    EXPECT_EQ(roundedText(r.value, r.decimals, r.separator), r.text);
}

INSTANTIATE_TEST_SUITE_P(
    DecimalText, RoundedText,
    ::testing::Values(Rounding{161.10127826941985, 2, ".", "161.1"},
                      Rounding{6.712553261225827, 1, ".", "6.7"},
                      Rounding{1022.0038986, 2, ".", "1022"}, // no bare separator
                      Rounding{22.5, 1, ".", "22.5"}, Rounding{100.0, 2, ".", "100"},
                      Rounding{0.0, 2, ".", "0"}, Rounding{-0.001, 2, ".", "0"},
                      Rounding{0.125, 2, ".", "0.12"}, // exact halves go to the even digit
                      Rounding{0.375, 2, ".", "0.38"}, Rounding{2.5, 0, ".", "2"},
                      Rounding{102.84996, 1, ".", "102.8"}, Rounding{116508.0, 2, ".", "116508"},
                      Rounding{116508.4567, 2, ",", "116508,46"}, Rounding{7.99, 1, ",", "8"},
                      Rounding{1.05, 2, ",", "1,05"}));

TEST(DecimalText, IntegersArePlainDigits) {
    EXPECT_EQ(integerText(1), "1");
    EXPECT_EQ(integerText(9), "9");
    EXPECT_EQ(integerText(16), "16");
    EXPECT_EQ(integerText(-1), "-1");
}

} // namespace
