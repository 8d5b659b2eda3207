#include "fake_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace hourvault_test {
namespace {

using hourvault::Model;
using Texts = std::vector<std::string>;

const std::string ratePrompt = "< select recording rate >";
const std::string qualityPrompt = "< select picture quality >";
const Texts cifQualities{"Q7 (11KB)", "Q6 (10KB)", "Q5 (9KB)", "Q4 (8KB)",
                         "Q3 (6KB)",  "Q2 (5KB)",  "Q1 (3KB)"};
const Texts twoCifQualities{"Q7 (18KB)", "Q6 (17KB)", "Q5 (15KB)", "Q4 (13KB)",
                            "Q3 (10KB)", "Q2 (7KB)",  "Q1 (5KB)"};

// The rate list a user gets by picking a resolution and a camera count, in either order.
Texts rateListFor(Model model, bool isNtsc, int resolution, int cameras, bool resolutionFirst) {
    Desk desk;
    desk.calc.selectModel(model);
    desk.calc.selectFormat(isNtsc);
    const auto pick = [&desk](ListId list, int index) {
        desk.window.pick(list, static_cast<std::size_t>(index));
        desk.calc.entryChosen(list);
    };
    if (resolutionFirst) {
        pick(ListId::resolution, resolution);
        pick(ListId::cameras, cameras - 1);
    } else {
        pick(ListId::cameras, cameras - 1);
        pick(ListId::resolution, resolution);
    }
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, ratePrompt);
    EXPECT_EQ(desk.window.selectionIndex(ListId::frameRate), -1);
    return desk.window.entries(ListId::frameRate);
}

struct Column {
    bool isNtsc;
    int resolution;
    int total; // images per second the recorder shares out
    int group; // cameras are served in groups of this size
};

TEST(RateLists, EveryHighestRateFollowsTheSharingRuleAndEveryListIsWellFormed) {
    const std::array<Column, 4> columns{
        {{true, 0, 120, 4}, {true, 1, 60, 2}, {false, 0, 100, 4}, {false, 1, 50, 2}}};
    for (const Column& column : columns) {
        for (const auto& [model, channels] : {std::pair{Model::tx4160, 16}, {Model::tx4090, 9}}) {
            for (int cameras = 1; cameras <= channels; ++cameras) {
                SCOPED_TRACE(testing::Message()
                             << (column.isNtsc ? "NTSC" : "PAL") << " res " << column.resolution
                             << " cameras " << cameras << " channels " << channels);
                const int served = (cameras + column.group - 1) / column.group * column.group;
                const Texts rates =
                    rateListFor(model, column.isNtsc, column.resolution, cameras, cameras % 2 == 0);
                ASSERT_FALSE(rates.empty());
                EXPECT_EQ(rates.front(), std::to_string(column.total / served));
                EXPECT_EQ(rates.back(), "1");
                for (std::size_t i = 1; i < rates.size(); ++i) {
                    EXPECT_GT(std::stoi(rates[i - 1]), std::stoi(rates[i]));
                }
                const Texts foreign =
                    column.isNtsc ? Texts{"25", "12"} : Texts{"30", "15", "10", "7"};
                for (const std::string& rate : rates) {
                    EXPECT_EQ(rate, std::to_string(std::stoi(rate))); // plain digits only
                    EXPECT_EQ(std::find(foreign.begin(), foreign.end(), rate), foreign.end());
                }
            }
        }
    }
}

struct RateCase {
    Model model;
    bool isNtsc;
    int resolution;
    int cameras;
    Texts rates;
};

void PrintTo(const RateCase& c, std::ostream* out) {
    *out << (c.isNtsc ? "NTSC" : "PAL") << (c.resolution == 0 ? "-CIF-" : "-2CIF-") << c.cameras
         << "cams-" << static_cast<int>(c.model) << "ch";
}

class RateListCases : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateListCases, OffersExactlyTheseRates) {
    const RateCase& c = GetParam();
    EXPECT_EQ(rateListFor(c.model, c.isNtsc, c.resolution, c.cameras, true), c.rates);
    EXPECT_EQ(rateListFor(c.model, c.isNtsc, c.resolution, c.cameras, false), c.rates);
}

INSTANTIATE_TEST_SUITE_P(
    RateLists, RateListCases,
    ::testing::Values(
        RateCase{Model::tx4160, true, 0, 4, {"30", "15", "10", "8", "6", "5", "4", "3", "2", "1"}},
        RateCase{Model::tx4160, true, 0, 5, {"15", "7", "5", "3", "2", "1"}},
        RateCase{Model::tx4160, true, 0, 9, {"10", "5", "3", "2", "1"}},
        RateCase{Model::tx4160, true, 1, 11, {"5", "3", "2", "1"}},
        RateCase{Model::tx4160, true, 1, 13, {"4", "3", "2", "1"}},
        RateCase{Model::tx4160, false, 0, 2, {"25", "12", "8", "6", "5", "4", "3", "2", "1"}},
        RateCase{Model::tx4160, false, 0, 5, {"12", "6", "4", "3", "2", "1"}},
        RateCase{Model::tx4160, false, 0, 9, {"8", "4", "2", "1"}},
        RateCase{Model::tx4160, false, 1, 9, {"5", "2", "1"}},
        RateCase{Model::tx4160, false, 1, 11, {"4", "2", "1"}},
        RateCase{Model::tx4160, false, 1, 13, {"3", "2", "1"}},
        RateCase{Model::tx4090, true, 1, 9, {"6", "3", "2", "1"}}));

TEST(RateRules, EveryRebuildStartsFromAnEmptyList) {
    Desk desk;
    desk.choose(ListId::resolution, "360 x 240 (CIF)");
    desk.choose(ListId::cameras, "1");
    desk.choose(ListId::quality, "Q7 (11KB)");
    desk.choose(ListId::frameRate, "30");
    desk.choose(ListId::resolution, "720 x 240 (2CIF)");
    EXPECT_EQ(desk.window.entries(ListId::quality), twoCifQualities);
    EXPECT_EQ(desk.window.list(ListId::quality).shown, qualityPrompt);
    EXPECT_EQ(desk.window.selectionIndex(ListId::quality), -1);
    desk.choose(ListId::frameRate, "3");
    desk.choose(ListId::cameras, "16");
    EXPECT_EQ(desk.window.entries(ListId::frameRate), (Texts{"3", "2", "1"}));
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, ratePrompt);
    EXPECT_EQ(desk.window.selectionIndex(ListId::frameRate), -1);
}

TEST(RateRules, ARateChosenBeforeARebuildIsDroppedEvenIfStillOffered) {
    Desk desk;
    desk.choose(ListId::resolution, "360 x 240 (CIF)");
    desk.choose(ListId::cameras, "1");
    desk.choose(ListId::frameRate, "30");
    desk.window.setResults("9", "9");
    desk.window.log.clear();
    desk.choose(ListId::cameras, "2");
    EXPECT_EQ(desk.window.entries(ListId::frameRate).front(), "30");
    EXPECT_EQ(desk.window.selectionIndex(ListId::frameRate), -1);
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, ratePrompt);
    // The results go blank before any list changes.
    EXPECT_EQ(desk.window.log.at(0), "hours ");
    EXPECT_EQ(desk.window.log.at(1), "days ");
    EXPECT_EQ(desk.window.log.at(2), "clear frameRate");
}

TEST(RateRules, CameraPickWithoutResolutionOnlyBlanksTheResults) {
    Desk desk;
    desk.choose(ListId::resolution, "360 x 240 (CIF)");
    desk.choose(ListId::cameras, "1");
    desk.window.type(ListId::resolution, "360");
    desk.window.setResults("9", "9");
    desk.window.log.clear();
    desk.choose(ListId::cameras, "5");
    EXPECT_EQ(desk.window.log, (Texts{"hours ", "days "}));
    EXPECT_EQ(desk.window.entries(ListId::frameRate).front(), "30");
}

TEST(RateRules, ResolutionPickWithoutCameraCountFillsOnlyTheQualityList) {
    Desk desk;
    desk.window.setResults("9", "9");
    desk.choose(ListId::resolution, "360 x 240 (CIF)");
    EXPECT_EQ(desk.window.log.at(0), "hours ");
    EXPECT_EQ(desk.window.log.at(1), "days ");
    EXPECT_EQ(desk.window.entries(ListId::quality), cifQualities);
    EXPECT_EQ(desk.window.list(ListId::quality).shown, qualityPrompt);
    for (const std::string& call : desk.window.log) {
        EXPECT_EQ(call.find("frameRate"), std::string::npos) << call;
    }
}

TEST(RateRules, RateListKeepingItsChoiceIgnoresLosingTheFocus) {
    Desk desk;
    desk.chooseAll({"1", "360 x 240 (CIF)", "Q7 (11KB)", "30", "No Audio", "1 TB"});
    desk.calc.calculate(".");
    desk.window.log.clear();
    desk.calc.focusLost(ListId::frameRate);
    EXPECT_TRUE(desk.window.log.empty());
    EXPECT_NE(desk.window.hours(), "");
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, "30");
}

TEST(RateRules, TypedRateIsDroppedOnLeavingAsFarAsTheChoicesAllow) {
    const Texts all{"30", "15", "10", "8", "6", "5", "4", "3", "2", "1"};
    struct Case {
        bool resolution;
        bool cameras;
        std::string shown;
        Texts entries;
    };
    // Without a resolution the entries stay; without a camera count the typed text stays too.
    for (const Case& c : {Case{false, true, ratePrompt, all}, Case{true, false, "17", {}},
                          Case{true, true, ratePrompt, all}}) {
        Desk desk;
        desk.choose(ListId::resolution, "360 x 240 (CIF)");
        if (c.cameras) {
            desk.choose(ListId::cameras, "4");
        }
        if (!c.resolution) {
            desk.window.type(ListId::resolution, "360");
        }
        desk.window.setResults("9", "9");
        desk.typeAndLeave(ListId::frameRate, "17");
        EXPECT_EQ(desk.window.hours(), "");
        EXPECT_EQ(desk.window.days(), "");
        EXPECT_EQ(desk.window.list(ListId::frameRate).shown, c.shown);
        EXPECT_EQ(desk.window.selectionIndex(ListId::frameRate), -1);
        EXPECT_EQ(desk.window.entries(ListId::frameRate), c.entries);
    }
}

TEST(RateRules, IndexesWithoutATableRowLeaveTheListsAlone) {
    Desk desk;
    desk.choose(ListId::resolution, "720 x 240 (2CIF)");
    desk.choose(ListId::cameras, "16");
    desk.window.force(ListId::cameras, 40, "41");
    desk.calc.entryChosen(ListId::cameras);
    EXPECT_EQ(desk.window.entries(ListId::frameRate), (Texts{"3", "2", "1"}));
    desk.window.force(ListId::resolution, 7, "1080p");
    desk.calc.entryChosen(ListId::resolution);
    desk.calc.focusLost(ListId::frameRate);
    desk.window.type(ListId::quality, "Q9");
    desk.calc.focusLost(ListId::quality);
    EXPECT_EQ(desk.window.entries(ListId::frameRate), (Texts{"3", "2", "1"}));
    EXPECT_EQ(desk.window.entries(ListId::quality), twoCifQualities);
}

} // namespace
} // namespace hourvault_test
