#include "expected_texts.h"
#include "fake_window.h"

#include <gtest/gtest.h>

namespace hourvault_test {
namespace {

using hourvault::Format;
using hourvault::Model;

// Every rate list of each format; a list is known by its first, highest rate.
const Texts ntscLists{"30 15 10 8 6 5 4 3 2 1",
                      "15 7 5 3 2 1",
                      "10 5 3 2 1",
                      "7 3 2 1",
                      "6 3 2 1",
                      "5 3 2 1",
                      "4 3 2 1",
                      "3 2 1"};
const Texts palLists{
    "25 12 8 6 5 4 3 2 1", "12 6 4 3 2 1", "8 4 2 1", "6 3 2 1", "5 2 1", "4 2 1", "3 2 1"};

Texts rateList(bool isNtsc, int highest) {
    for (const std::string& list : isNtsc ? ntscLists : palLists) {
        if (words(list).front() == std::to_string(highest)) {
            return words(list);
        }
    }
    return {"no list"};
}

// The recorder shares `total` images per second over the cameras, served in groups of `group`:
// the highest rate is floor(total / smallest multiple of group not below the camera count).
TEST(RateLists, EveryCellFollowsTheSharingRuleWhicheverIsPickedFirst) {
    const struct {
        bool isNtsc;
        std::size_t res;
        int total, group;
    } columns[] = {{true, 0, 120, 4}, {true, 1, 60, 2}, {false, 0, 100, 4}, {false, 1, 50, 2}};
    for (const auto& [isNtsc, res, total, group] : columns) {
        for (const Model model : {Model::tx4160, Model::tx4090}) {
            Desk desk;
            desk.calc.selectModel(model);
            desk.calc.selectFormat(isNtsc ? Format::ntsc : Format::pal);
            desk.pickAt(resolution, res);
            for (int n = 1; n <= static_cast<int>(model); ++n) {
                SCOPED_TRACE(testing::Message() << isNtsc << res << " " << n);
                const int highest = total / ((n + group - 1) / group * group);
                desk.pickAt(cameras, static_cast<std::size_t>(n - 1));
                EXPECT_EQ(desk.window[frameRate].entries, rateList(isNtsc, highest));
                desk.window[frameRate] = {}; // so the next pick must rebuild it
                desk.pickAt(resolution, res);
                EXPECT_EQ(desk.window[frameRate].entries, rateList(isNtsc, highest));
                EXPECT_EQ(desk.window[frameRate].shown, hourvault::expected::prompt(frameRate));
            }
        }
    }
}

TEST(RateLists, IndexesWithoutATableRowLeaveTheListsAlone) {
    Desk desk;
    desk.choose(resolution, "720 x 240 (2CIF)");
    desk.choose(cameras, "16");
    const FakeWindow before = desk.window;
    desk.window[cameras].index = 40;
    desk.calc.entryChosen(cameras);
    desk.window[resolution].index = 7;
    desk.calc.entryChosen(resolution);
    desk.window.type(frameRate, "Q9");
    desk.calc.listLeft(frameRate);
    desk.window.type(quality, "Q9");
    desk.calc.listLeft(quality);
    EXPECT_EQ(desk.window[frameRate].entries, before[frameRate].entries);
    EXPECT_EQ(desk.window[quality].entries, before[quality].entries);
}

} // namespace
} // namespace hourvault_test
