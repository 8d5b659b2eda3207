#include "fake_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace hourvault_test {
namespace {

using hourvault::allLists;
using hourvault::Model;
using Texts = std::vector<std::string>;

const Texts ntscResolutions{"360 x 240 (CIF)", "720 x 240 (2CIF)"};
const Texts palResolutions{"360 x 288 (CIF)", "720 x 288 (2CIF)"};
const Texts ntscDisks{"250 GB", "500 GB", "750 GB", "1 TB", "1.2 TB"};
const Texts palDisks{"320 GB", "640 GB", "1 TB"};
const Texts audios{"No Audio", "8 kHz Audio (8KB/sec)", "12 kHz Audio (12KB/sec)"};
const std::array<std::string, 6> prompts{"< select # of cameras >",    "< select resolution >",
                                         "< select picture quality >", "< select recording rate >",
                                         "< select audio quality >",   "< select HDD size >"};

Texts countingTo(int last) {
    Texts texts;
    for (int n = 1; n <= last; ++n) {
        texts.push_back(std::to_string(n));
    }
    return texts;
}

// Every list shows its prompt with no selection, and both results are blank.
void expectFreshInputs(const FakeWindow& window, int channels, bool isNtsc) {
    EXPECT_EQ(window.entries(ListId::cameras), countingTo(channels));
    EXPECT_EQ(window.entries(ListId::resolution), isNtsc ? ntscResolutions : palResolutions);
    EXPECT_TRUE(window.entries(ListId::quality).empty());
    EXPECT_TRUE(window.entries(ListId::frameRate).empty());
    EXPECT_EQ(window.entries(ListId::audio), audios);
    EXPECT_EQ(window.entries(ListId::hddsize), isNtsc ? ntscDisks : palDisks);
    for (const ListId list : allLists) {
        SCOPED_TRACE(FakeWindow::name(list));
        EXPECT_EQ(window.list(list).shown, prompts.at(hourvault::indexOf(list)));
        EXPECT_EQ(window.selectionIndex(list), -1);
    }
    EXPECT_EQ(window.hours(), "");
    EXPECT_EQ(window.days(), "");
}

TEST(ListRebuilds, StartUpReplacesTheInitialLayoutWithNtscAndSixteenChannels) {
    Desk desk;
    EXPECT_TRUE(desk.calc.settings().isNtsc);
    EXPECT_EQ(desk.calc.settings().channelCount, 16);
    expectFreshInputs(desk.window, 16, true);
    EXPECT_TRUE(desk.window.messages.empty());
    EXPECT_TRUE(desk.window.focus.empty());
    desk.calc.selectModel(Model::tx4090);
    desk.calc.selectFormat(false);
    desk.calc.startUp();
    EXPECT_TRUE(desk.calc.settings().isNtsc);
    expectFreshInputs(desk.window, 16, true);
}

struct ModelState {
    Model model;
    bool isNtsc;
    int channels;
};

void PrintTo(const ModelState& state, std::ostream* out) {
    *out << state.channels << "ch-" << (state.isNtsc ? "NTSC" : "PAL");
}

class EveryModelAndFormat : public ::testing::TestWithParam<ModelState> {};

TEST_P(EveryModelAndFormat, ResetsEveryListForTheSettings) {
    const ModelState state = GetParam();
    for (const bool modelFirst : {true, false}) {
        SCOPED_TRACE(modelFirst ? "model first" : "format first");
        Desk desk;
        desk.chooseAll({"2", "720 x 240 (2CIF)", "Q1 (5KB)", "1", "No Audio", "250 GB"});
        desk.calc.calculate(".");
        if (modelFirst) {
            desk.calc.selectModel(state.model);
            desk.calc.selectFormat(state.isNtsc);
        } else {
            desk.calc.selectFormat(state.isNtsc);
            desk.calc.selectModel(state.model);
        }
        EXPECT_EQ(desk.calc.settings().isNtsc, state.isNtsc);
        EXPECT_EQ(desk.calc.settings().channelCount, state.channels);
        expectFreshInputs(desk.window, state.channels, state.isNtsc);
    }
}

INSTANTIATE_TEST_SUITE_P(ListRebuilds, EveryModelAndFormat,
                         ::testing::Values(ModelState{Model::tx4160, true, 16},
                                           ModelState{Model::tx4160, false, 16},
                                           ModelState{Model::tx4090, true, 9},
                                           ModelState{Model::tx4090, false, 9}));

TEST(ListRebuilds, ChoosingTheSettingAlreadyInForceStillResets) {
    using Command = void (*)(hourvault::Calculator&);
    const std::array<Command, 3> commands{
        [](hourvault::Calculator& calc) { calc.selectFormat(true); },
        [](hourvault::Calculator& calc) { calc.selectModel(Model::tx4160); },
        [](hourvault::Calculator& calc) { calc.resetInputs(); }};
    for (const Command command : commands) {
        Desk desk;
        desk.chooseAll({"16", "360 x 240 (CIF)", "Q4 (8KB)", "7", "No Audio", "500 GB"});
        desk.calc.calculate(".");
        ASSERT_NE(desk.window.hours(), "");
        command(desk.calc);
        expectFreshInputs(desk.window, 16, true);
    }
}

TEST(ListRebuilds, TypedTextIsReplacedByThePromptOnReset) {
    Desk desk;
    desk.calc.selectModel(Model::tx4090);
    desk.choose(ListId::resolution, "720 x 240 (2CIF)");
    desk.choose(ListId::cameras, "9");
    for (const ListId list : allLists) {
        desk.window.type(list, "typed");
    }
    desk.calc.selectFormat(false);
    expectFreshInputs(desk.window, 9, false);
}

} // namespace
} // namespace hourvault_test
