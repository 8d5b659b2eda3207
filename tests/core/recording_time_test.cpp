#include "decimal_text.h"
#include "fake_window.h"
#include "recording_time.h"

#include <gtest/gtest.h>

namespace hourvault_test {
namespace {

using hourvault::RecordingTime;

RecordingTime timeOf(int cameraIndex, const std::string& quality, const std::string& rate,
                     const std::string& audio, const std::string& disk) {
    const auto outcome = hourvault::calculateRecordingTime(
        {{{cameraIndex, "1"}, {0, "CIF"}, {0, quality}, {0, rate}, {0, audio}, {0, disk}}}, ".");
    const auto* time = std::get_if<RecordingTime>(&outcome);
    return time != nullptr ? *time : RecordingTime{"missing", "missing"};
}

// What the text tells the user: the figure in brackets, or the leading number.
double figureIn(const std::string& text) {
    const auto open = text.find('(');
    return text == "No Audio" ? 0 : std::stod(text.substr(open == text.npos ? 0 : open + 1));
}

TEST(RecordingTime, EveryOfferedEntryCountsForWhatItsTextSays) {
    const std::array<Texts, 4> texts{
        cifQualities + twoCifQualities, words("30 25 15 12 10 8 7 6 5 4 3 2 1"),
        Texts{"No Audio", "8 kHz Audio (8KB/sec)", "12 kHz Audio (12KB/sec)"},
        Texts{"250 GB", "500 GB", "750 GB", "1 TB", "1.2 TB", "320 GB", "640 GB"}};
    // Every text comes round at least once with one camera and once with sixteen.
    for (std::size_t i = 0; i < 2 * 14; ++i) {
        const auto text = [&](std::size_t kind) { return texts[kind][i % texts[kind].size()]; };
        const int cameras = i < 14 ? 1 : 16;
        const double gb = figureIn(text(3)) * (text(3).ends_with("TB") ? 1000 : 1);
        const double hours =
            gb * 1024 * 1024 /
            ((cameras * figureIn(text(0)) * figureIn(text(1)) + figureIn(text(2))) * 3600);
        const RecordingTime time = timeOf(cameras - 1, text(0), text(1), text(2), text(3));
        EXPECT_NEAR(std::stod(time.hours), hours, 0.005 + 1e-9)
            << text(0) << " " << text(1) << " " << text(2) << " " << text(3);
        EXPECT_NEAR(std::stod(time.days), hours / 24, 0.05 + 1e-9);
    }
}

TEST(RecordingTime, UnknownTextsAndIndexesNeverCrash) {
    const std::string huge(1 << 20, '7');
    const struct {
        int cameraIndex;
        std::string quality, rate, disk, hours, days;
    } rows[] = {
        // Nothing to divide by: blank, never infinity or NaN.
        {0, "Q4 (99KB)", "30", "1 TB", "", ""},
        {0, "q4 (8KB)", "7", "1 TB", "", ""},
        {0, "Q4 (8KB)", "07", "1 TB", "", ""},
        {0, huge, "7", huge, "", ""},
        {0, "Q4 (8KB)", huge, "1 TB", "", ""},
        // A disk without a row leaves nothing to record on.
        {0, "Q4 (8KB)", "7", "1 tb", "0", "0"},
        // The camera count comes from the index, never from the text.
        {40, "Q1 (3KB)", "1", "250 GB", "592.01", "24.7"},
    };
    for (const auto& row : rows) {
        const RecordingTime time =
            timeOf(row.cameraIndex, row.quality, row.rate, "No Audio", row.disk);
        EXPECT_EQ(time.hours, row.hours)
            << row.quality.substr(0, 9) << " " << row.rate.substr(0, 9);
        EXPECT_EQ(time.days, row.days);
    }
}

// Each value rounded to `decimals` places, the texts joined by spaces.
std::string rounded(std::initializer_list<double> values, int decimals, const char* separator) {
    std::string out;
    for (const double value : values) {
        out += (out.empty() ? "" : " ") + hourvault::roundedText(value, decimals, separator);
    }
    return out;
}

TEST(DecimalText, RoundsTiesToEvenWithoutGroupingOrTrailingZeros) {
    EXPECT_EQ(rounded({161.10127826941985, 1022.0038986, 100.0, 0.0, -0.001, 0.125, 0.375}, 2, "."),
              "161.1 1022 100 0 0 0.12 0.38");
    EXPECT_EQ(rounded({-0.4, -2.5, 2.5, 3.5}, 0, "."), "0 -2 2 4");
    EXPECT_EQ(rounded({102.84996, 22.5, 7.99}, 1, ","), "102,8 22,5 8");
    EXPECT_EQ(rounded({116508.4567, 1.05}, 2, ","), "116508,46 1,05");
    EXPECT_EQ(hourvault::integerText(16) + hourvault::integerText(-1), "16-1");
}

} // namespace
} // namespace hourvault_test
