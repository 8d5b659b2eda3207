#include "fake_window.h"
#include "recording_time.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace hourvault_test {
namespace {

using hourvault::calculateRecordingTime;
using hourvault::ListReading;
using hourvault::RecordingTime;
using Readings = std::array<ListReading, 6>;

Readings readings(int cameraIndex, const std::string& quality, const std::string& rate,
                  const std::string& audio, const std::string& disk) {
    return {{{cameraIndex, std::to_string(cameraIndex + 1)},
             {0, "360 x 240 (CIF)"},
             {0, quality},
             {0, rate},
             {0, audio},
             {0, disk}}};
}

RecordingTime timeOf(const Readings& lists, std::string_view separator = ".") {
    const auto outcome = calculateRecordingTime(lists, separator);
    const auto* time = std::get_if<RecordingTime>(&outcome);
    return time != nullptr ? *time : RecordingTime{"missing", "missing"};
}

double hoursOf(const Readings& lists) {
    return std::stod(timeOf(lists).hours);
}

TEST(RecordingTime, OneTerabyteIsAThousandGigabytes) {
    const double half = hoursOf(readings(3, "Q3 (6KB)", "5", "No Audio", "500 GB"));
    const double whole = hoursOf(readings(3, "Q3 (6KB)", "5", "No Audio", "1 TB"));
    EXPECT_NEAR(whole, 2 * half, 0.011);
    EXPECT_EQ(timeOf(readings(0, "Q7 (18KB)", "30", "No Audio", "1 TB")).hours, "539.39");
}

TEST(RecordingTime, AudioIsAddedOnceForTheWholeRecorder) {
    const double expected = 1000.0 * 1024 * 1024 / ((16 * 3 * 1 + 12) * 3600.0);
    EXPECT_NEAR(hoursOf(readings(15, "Q1 (3KB)", "1", "12 kHz Audio (12KB/sec)", "1 TB")), expected,
                0.005);
}

// The figure in brackets, or the leading number: what the text tells the user.
double figureIn(const std::string& text) {
    const auto open = text.find('(');
    return open == std::string::npos ? std::stod(text) : std::stod(text.substr(open + 1));
}

TEST(RecordingTime, EveryOfferedEntryCountsForWhatItsTextSays) {
    for (const bool isNtsc : {true, false}) {
        for (const std::size_t resolution : {0U, 1U}) {
            Desk desk;
            desk.calc.selectFormat(isNtsc);
            desk.window.pick(ListId::resolution, resolution);
            desk.calc.entryChosen(ListId::resolution);
            std::set<std::string> rates;
            for (std::size_t camera = 0; camera < 16; ++camera) {
                desk.window.pick(ListId::cameras, camera);
                desk.calc.entryChosen(ListId::cameras);
                const auto& offered = desk.window.entries(ListId::frameRate);
                rates.insert(offered.begin(), offered.end());
            }
            for (const std::string& quality : desk.window.entries(ListId::quality)) {
                for (const std::string& rate : rates) {
                    for (const std::string& audio : desk.window.entries(ListId::audio)) {
                        for (const std::string& disk : desk.window.entries(ListId::hddsize)) {
                            const double gb = figureIn(disk) * (disk.ends_with("TB") ? 1000 : 1);
                            const double kbs = audio == "No Audio" ? 0 : figureIn(audio);
                            for (const int cameras : {1, 16}) {
                                const double hours =
                                    gb * 1024 * 1024 /
                                    ((cameras * figureIn(quality) * figureIn(rate) + kbs) * 3600);
                                const RecordingTime time =
                                    timeOf(readings(cameras - 1, quality, rate, audio, disk));
                                ASSERT_NEAR(std::stod(time.hours), hours, 0.005 + 1e-9)
                                    << quality << " " << rate << " " << audio << " " << disk;
                                ASSERT_NEAR(std::stod(time.days), hours / 24, 0.05 + 1e-9);
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(RecordingTime, NothingToDivideByGivesBlankTexts) {
    const std::string huge(1 << 20, '7');
    for (const Readings& lists : {readings(0, "Q4 (99KB)", "30", "No Audio", "1 TB"),
                                  readings(0, "Q4 (8KB)", "31", "No Audio", "1 TB"),
                                  readings(0, "q4 (8KB)", "30", "No Audio", "2 TB"),
                                  readings(0, huge, "7", "No Audio", huge),
                                  readings(0, "Q4 (8KB)", huge, "No Audio", "1 TB")}) {
        const RecordingTime time = timeOf(lists);
        EXPECT_EQ(time.hours, "");
        EXPECT_EQ(time.days, "");
    }
    // A disk text without a row leaves nothing to record on, which is still a number.
    EXPECT_EQ(timeOf(readings(0, "Q4 (8KB)", "7", "No Audio", "1 tb")).hours, "0");
}

} // namespace
} // namespace hourvault_test
