#include "fake_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hourvault_test {
namespace {

using hourvault::allLists;
using Texts = std::vector<std::string>;

// Every list holds entries, and a result is on display.
void fillEverything(Desk& desk) {
    desk.chooseAll({"3", "720 x 240 (2CIF)", "Q5 (15KB)", "7", "No Audio", "750 GB"});
    desk.calc.calculate(".");
    ASSERT_NE(desk.window.hours(), "");
    desk.window.log.clear();
}

TEST(FieldChecks, PickingQualityRateAudioOrDiskOnlyBlanksTheResults) {
    for (const ListId list : {ListId::quality, ListId::frameRate, ListId::audio, ListId::hddsize}) {
        SCOPED_TRACE(FakeWindow::name(list));
        Desk desk;
        fillEverything(desk);
        desk.window.pick(list, 1);
        desk.calc.entryChosen(list);
        EXPECT_EQ(desk.window.log, (Texts{"hours ", "days "}));
        EXPECT_EQ(desk.window.selectionIndex(list), 1);
    }
}

TEST(FieldChecks, LeavingAListWithAChoiceChangesNothing) {
    for (const ListId list : allLists) {
        SCOPED_TRACE(FakeWindow::name(list));
        Desk desk;
        fillEverything(desk);
        const std::string hours = desk.window.hours();
        desk.calc.focusLost(list);
        EXPECT_TRUE(desk.window.log.empty());
        EXPECT_EQ(desk.window.hours(), hours);
    }
}

TEST(FieldChecks, LeavingAudioOrDiskWithTypedTextOnlyBringsBackThePrompt) {
    const std::array<std::pair<ListId, std::string>, 2> cases{
        {{ListId::audio, "< select audio quality >"}, {ListId::hddsize, "< select HDD size >"}}};
    for (const auto& [list, prompt] : cases) {
        Desk desk;
        fillEverything(desk);
        const Texts entries = desk.window.entries(list);
        desk.typeAndLeave(list, "typed");
        EXPECT_EQ(desk.window.log,
                  (Texts{"hours ", "days ", "show " + FakeWindow::name(list) + " " + prompt}));
        EXPECT_EQ(desk.window.entries(list), entries);
        EXPECT_EQ(desk.window.selectionIndex(list), -1);
    }
}

TEST(FieldChecks, LeavingCamerasWithTypedTextRefillsOnlyTheCameraList) {
    Desk desk;
    desk.calc.selectModel(hourvault::Model::tx4090);
    fillEverything(desk);
    desk.typeAndLeave(ListId::cameras, "5");
    EXPECT_EQ(desk.window.log.at(0), "hours ");
    EXPECT_EQ(desk.window.log.at(1), "days ");
    EXPECT_EQ(desk.window.entries(ListId::cameras),
              (Texts{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(desk.window.list(ListId::cameras).shown, "< select # of cameras >");
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, "7");
    for (std::size_t i = 2; i < desk.window.log.size(); ++i) {
        EXPECT_NE(desk.window.log[i].find("cameras"), std::string::npos) << desk.window.log[i];
    }
    desk.calc.calculate(".");
    ASSERT_EQ(desk.window.messages.size(), 1U);
    EXPECT_EQ(desk.window.messages[0].text, "You must select the number of cameras.");
}

TEST(FieldChecks, LeavingResolutionWithTypedTextKeepsQualityAndRateChoices) {
    Desk desk;
    desk.calc.selectFormat(false);
    desk.chooseAll({"3", "720 x 288 (2CIF)", "Q5 (15KB)", "12", "No Audio", "640 GB"});
    desk.typeAndLeave(ListId::resolution, "720");
    EXPECT_EQ(desk.window.entries(ListId::resolution),
              (Texts{"360 x 288 (CIF)", "720 x 288 (2CIF)"}));
    EXPECT_EQ(desk.window.list(ListId::resolution).shown, "< select resolution >");
    EXPECT_EQ(desk.window.list(ListId::quality).shown, "Q5 (15KB)");
    EXPECT_EQ(desk.window.selectionIndex(ListId::quality), 2);
    EXPECT_EQ(desk.window.list(ListId::frameRate).shown, "12");
    EXPECT_EQ(desk.window.entries(ListId::frameRate).size(), 6U);
}

TEST(FieldChecks, LeavingQualityRefillsItOnlyWhenAResolutionIsChosen) {
    const Texts twoCif{"Q7 (18KB)", "Q6 (17KB)", "Q5 (15KB)", "Q4 (13KB)",
                       "Q3 (10KB)", "Q2 (7KB)",  "Q1 (5KB)"};
    Desk desk;
    desk.calc.selectFormat(false);
    desk.choose(ListId::resolution, "720 x 288 (2CIF)");
    desk.window.setResults("9", "9");
    desk.typeAndLeave(ListId::quality, "Q9");
    EXPECT_EQ(desk.window.hours(), "");
    EXPECT_EQ(desk.window.entries(ListId::quality), twoCif);
    EXPECT_EQ(desk.window.list(ListId::quality).shown, "< select picture quality >");

    desk.window.type(ListId::resolution, "720");
    desk.window.log.clear();
    desk.typeAndLeave(ListId::quality, "Q9");
    EXPECT_EQ(desk.window.log,
              (Texts{"hours ", "days ", "show quality < select picture quality >"}));
    EXPECT_EQ(desk.window.entries(ListId::quality), twoCif);
}

TEST(FieldChecks, LeavingAListStillShowingItsPromptBlanksTheResults) {
    for (const ListId list : allLists) {
        SCOPED_TRACE(FakeWindow::name(list));
        Desk desk;
        const auto before = desk.window.list(list);
        desk.window.setResults("9", "9");
        desk.calc.focusLost(list);
        EXPECT_EQ(desk.window.hours(), "");
        EXPECT_EQ(desk.window.days(), "");
        EXPECT_EQ(desk.window.list(list).shown, before.shown);
        EXPECT_EQ(desk.window.list(list).entries, before.entries);
    }
}

} // namespace
} // namespace hourvault_test
