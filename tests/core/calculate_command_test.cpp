#include "fake_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace hourvault_test {
namespace {

using hourvault::allLists;
using hourvault::indexOf;
using Texts = std::vector<std::string>;

struct Row {
    std::array<std::string_view, 6> choices;
    std::string hours;
    std::string days;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.hours;
}

class CalculatedRows : public ::testing::TestWithParam<Row> {};

TEST_P(CalculatedRows, ShowsTheRoundedHoursAndDays) {
    const Row& row = GetParam();
    Desk desk;
    desk.chooseAll(row.choices);
    desk.calc.calculate(".");
    EXPECT_EQ(desk.window.hours(), row.hours);
    EXPECT_EQ(desk.window.days(), row.days);
    desk.calc.calculate(".");
    EXPECT_EQ(desk.window.hours(), row.hours);
    EXPECT_TRUE(desk.window.messages.empty());
    EXPECT_TRUE(desk.window.focus.empty());
}

INSTANTIATE_TEST_SUITE_P(
    CalculateCommand, CalculatedRows,
    ::testing::Values(
        Row{{"16", "360 x 240 (CIF)", "Q4 (8KB)", "7", "8 kHz Audio (8KB/sec)", "500 GB"},
            "161.1",
            "6.7"},
        Row{{"1", "720 x 240 (2CIF)", "Q7 (18KB)", "30", "No Audio", "1 TB"}, "539.39", "22.5"},
        Row{{"1", "360 x 240 (CIF)", "Q7 (11KB)", "30", "12 kHz Audio (12KB/sec)", "1.2 TB"},
            "1022",
            "42.6"},
        // The days come from the unrounded hours: 2468.399... / 24 = 102.849...
        Row{{"1", "360 x 240 (CIF)", "Q7 (11KB)", "10", "8 kHz Audio (8KB/sec)", "1 TB"},
            "2468.4",
            "102.8"}));

TEST(CalculateCommand, TypicalRequestFromStartUp) {
    Desk desk;
    desk.window.setResults("9", "9");
    desk.choose(ListId::cameras, "8");
    EXPECT_EQ(desk.window.hours(), "");
    EXPECT_TRUE(desk.window.entries(ListId::frameRate).empty());
    desk.choose(ListId::resolution, "720 x 240 (2CIF)");
    EXPECT_EQ(desk.window.entries(ListId::quality),
              (Texts{"Q7 (18KB)", "Q6 (17KB)", "Q5 (15KB)", "Q4 (13KB)", "Q3 (10KB)", "Q2 (7KB)",
                     "Q1 (5KB)"}));
    EXPECT_EQ(desk.window.entries(ListId::frameRate), (Texts{"7", "3", "2", "1"}));
    EXPECT_EQ(desk.window.list(ListId::quality).shown, "< select picture quality >");
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, "< select recording rate >");
    desk.choose(ListId::quality, "Q4 (13KB)");
    desk.choose(ListId::frameRate, "7");
    desk.choose(ListId::audio, "No Audio");
    desk.choose(ListId::hddsize, "500 GB");
    desk.calc.calculate(".");
    EXPECT_EQ(desk.window.hours(), "200.05");
    EXPECT_EQ(desk.window.days(), "8.3");
}

TEST(CalculateCommand, NamesTheFirstListWithoutAChoiceAndMovesTheFocusThere) {
    const std::array<std::string, 6> messages{
        "You must select the number of cameras.",
        "You must select the resolution.",
        "You must select the picture quality.",
        "You must select the recording rate.",
        "You must select the audio quality.  (You may also select 'No Audio')",
        "You must select the HDD size."};
    for (const ListId first : allLists) {
        for (const ListId later : allLists) {
            if (indexOf(later) < indexOf(first)) {
                continue;
            }
            SCOPED_TRACE(FakeWindow::name(first) + " and " + FakeWindow::name(later));
            Desk desk;
            desk.chooseAll({"2", "360 x 240 (CIF)", "Q2 (5KB)", "15", "No Audio", "250 GB"});
            // Typed text is no choice, even while the list still has the focus.
            desk.window.type(first, desk.window.entries(first).at(0));
            desk.window.type(later, "typed");
            desk.window.setResults("old", "old");
            desk.window.log.clear();
            desk.calc.calculate(".");
            ASSERT_EQ(desk.window.messages.size(), 1U);
            EXPECT_EQ(desk.window.messages[0].text, messages.at(indexOf(first)));
            EXPECT_EQ(desk.window.messages[0].title, "Missing Data");
            EXPECT_EQ(desk.window.focus, std::vector<ListId>{first});
            EXPECT_EQ(desk.window.log.at(0).rfind("message ", 0), 0U);
            EXPECT_EQ(desk.window.log.size(), 2U);
            EXPECT_EQ(desk.window.hours(), "old");
            EXPECT_EQ(desk.window.days(), "old");
        }
    }
}

TEST(CalculateCommand, PassesTheSeparatorThrough) {
    Desk desk;
    desk.chooseAll({"16", "360 x 240 (CIF)", "Q4 (8KB)", "7", "8 kHz Audio (8KB/sec)", "500 GB"});
    desk.calc.calculate(",");
    EXPECT_EQ(desk.window.hours(), "161,1");
    EXPECT_EQ(desk.window.days(), "6,7");
    desk.chooseAll(
        {"1", "360 x 240 (CIF)", "Q7 (11KB)", "30", "12 kHz Audio (12KB/sec)", "1.2 TB"});
    desk.calc.calculate(",");
    EXPECT_EQ(desk.window.hours(), "1022");
    EXPECT_EQ(desk.window.days(), "42,6");
}

TEST(CalculateCommand, TheFormatDoesNotChangeTheResultForTheSameTexts) {
    std::array<std::string, 2> hours;
    for (const bool isNtsc : {true, false}) {
        Desk desk;
        desk.calc.selectFormat(isNtsc);
        desk.chooseAll({"1", isNtsc ? "360 x 240 (CIF)" : "360 x 288 (CIF)", "Q7 (11KB)", "8",
                        "No Audio", "1 TB"});
        desk.calc.calculate(".");
        hours.at(isNtsc ? 0 : 1) = desk.window.hours();
    }
    EXPECT_EQ(hours[0], hours[1]);
    EXPECT_NE(hours[0], "");
}

// Selections whose shown text is not their entry: no user action gets here, but the window
// toolkit might. Nothing to divide by blanks the results; nothing crashes.
TEST(CalculateCommand, ASelectionShowingUnknownTextNeverShowsInfinityOrNan) {
    const std::string huge(1 << 20, 'Q');
    for (const auto& [list, text] : std::vector<std::pair<ListId, std::string>>{
             {ListId::quality, "Q4 (80KB)"}, {ListId::frameRate, "07"}, {ListId::quality, huge}}) {
        Desk desk;
        desk.chooseAll({"4", "360 x 240 (CIF)", "Q4 (8KB)", "30", "No Audio", "500 GB"});
        desk.window.setResults("9", "9");
        desk.window.force(list, 3, text);
        desk.calc.calculate(".");
        EXPECT_EQ(desk.window.hours(), "");
        EXPECT_EQ(desk.window.days(), "");
        desk.window.force(ListId::hddsize, 1, huge);
        desk.calc.calculate(".");
        EXPECT_EQ(desk.window.hours(), "");
        EXPECT_TRUE(desk.window.messages.empty());
    }
}

// The camera count comes from the index, never from the text.
TEST(CalculateCommand, ACameraIndexBeyondTheListStillCounts) {
    Desk desk;
    desk.chooseAll({"1", "360 x 240 (CIF)", "Q1 (3KB)", "1", "No Audio", "250 GB"});
    desk.window.force(ListId::cameras, 40, "7");
    desk.calc.calculate(".");
    // 250 * 1024 * 1024 / (41 * 3 * 3600) = 592.01...
    EXPECT_EQ(desk.window.hours(), "592.01");
}

} // namespace
} // namespace hourvault_test
