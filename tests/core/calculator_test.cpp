#include "expected_texts.h"
#include "fake_window.h"

#include <gtest/gtest.h>

#include <map>

namespace hourvault_test {
namespace {

using hourvault::Calculator;
using hourvault::Format;
using hourvault::Model;

using hourvault::expected::prompt;
const Texts blanked{"hours ", "days "};
constexpr std::string_view filled = "3|720 x 240 (2CIF)|Q5 (15KB)|7|No Audio|750 GB";

Texts shown(ListId list) {
    return {"show " + FakeWindow::name(list) + " " + std::string(prompt(list))};
}

// The calls that empty a list, fill it with `entries` and show its prompt.
Texts refill(ListId list, const Texts& entries) {
    Texts calls{"clear " + FakeWindow::name(list)};
    for (const std::string& entry : entries) {
        calls.push_back("append " + FakeWindow::name(list) + " " + entry);
    }
    return calls + shown(list);
}

TEST(CalculateCommand, ShowsTheRoundedHoursAndDays) {
    const struct {
        std::string_view choices, separator, hours, days;
        Format format = Format::ntsc;
    } rows[] = {
        // The audio is added once for the whole recorder, not for each camera.
        {"16|360 x 240 (CIF)|Q4 (8KB)|7|8 kHz Audio (8KB/sec)|500 GB", ".", "161.1", "6.7"},
        {"16|360 x 240 (CIF)|Q4 (8KB)|7|8 kHz Audio (8KB/sec)|500 GB", ",", "161,1", "6,7"},
        // One TB is twice 500 GB.
        {"1|720 x 240 (2CIF)|Q7 (18KB)|30|No Audio|1 TB", ".", "539.39", "22.5"},
        {"1|720 x 240 (2CIF)|Q7 (18KB)|30|No Audio|500 GB", ".", "269.7", "11.2"},
        {"1|360 x 240 (CIF)|Q7 (11KB)|30|12 kHz Audio (12KB/sec)|1.2 TB", ",", "1022", "42,6"},
        // Days from the unrounded hours: 2468.399... / 24 = 102.849...
        {"1|360 x 240 (CIF)|Q7 (11KB)|10|8 kHz Audio (8KB/sec)|1 TB", ".", "2468.4", "102.8"},
        {"2|720 x 288 (2CIF)|Q5 (15KB)|25|No Audio|640 GB", ".", "248.55", "10.4", Format::pal},
    };
    for (const auto& row : rows) {
        Desk desk;
        desk.calc.selectFormat(row.format);
        desk.chooseAll(row.choices);
        desk.window.log.clear();
        desk.calc.calculate(row.separator);
        EXPECT_EQ(desk.window.log,
                  (Texts{"hours " + std::string(row.hours), "days " + std::string(row.days)}));
    }
}

TEST(CalculateCommand, TypicalRequestFromStartUp) {
    using hourvault::expected::typical;
    Desk desk;
    desk.choose(cameras, typical.choice(cameras));
    EXPECT_TRUE(desk.window[frameRate].entries.empty());
    desk.choose(resolution, typical.choice(resolution));
    EXPECT_EQ(desk.window[quality].entries, twoCifQualities);
    EXPECT_EQ(desk.window[frameRate].entries, words("7 3 2 1"));
    EXPECT_EQ(desk.window[frameRate].shown, prompt(frameRate));
    for (const ListId list : allLists) {
        desk.choose(list, typical.choice(list));
    }
    desk.calc.calculate(".");
    EXPECT_EQ(desk.window.hours, typical.hours);
    EXPECT_EQ(desk.window.days, typical.days);
}

TEST(CalculateCommand, NamesTheFirstListWithoutAChoiceAndFocusesIt) {
    for (const ListId first : allLists) {
        Desk desk;
        desk.chooseAll(filled);
        desk.calc.calculate(".");
        // Typed text is no choice, even when it matches an entry; later lists lack one too.
        for (auto later = indexOf(first) + 1; later < allLists.size(); ++later) {
            desk.window.type(allLists.at(later), "typed");
        }
        desk.window.type(first, desk.window[first].entries.at(0));
        desk.window.log.clear();
        desk.calc.calculate(".");
        EXPECT_EQ(desk.window.log,
                  (Texts{"message " + std::string(hourvault::expected::message(first)),
                         "focus " + FakeWindow::name(first)}));
        EXPECT_EQ(desk.window.titles, Texts{"Missing Data"});
    }
}

TEST(CalculateCommand, NothingToDivideByBlanksTheResults) {
    Desk desk;
    desk.chooseAll(filled);
    desk.calc.calculate(".");
    desk.window[quality].shown = "Q4 (80KB)"; // a selection showing unknown text
    desk.window.log.clear();
    desk.calc.calculate(".");
    EXPECT_EQ(desk.window.log, blanked);
}

TEST(FieldChecks, PicksAndLeavingRebuildOnlyWhatDependsOnThem) {
    const Texts ntsc30 = words("30 15 10 8 6 5 4 3 2 1");
    // A pick (its index) or leaving with typed text (-1), after typing in the `typed` lists.
    const struct {
        ListId list;
        int pick;
        std::vector<ListId> typed;
        Texts log;
    } events[] = {
        {quality, 1, {}, blanked},
        {frameRate, 1, {}, blanked},
        {audio, 1, {}, blanked},
        {hddsize, 1, {}, blanked},
        {cameras, 1, {}, blanked + refill(frameRate, ntsc30)},
        {cameras, 1, {resolution}, blanked},
        {resolution, 0, {}, blanked + refill(quality, cifQualities) + refill(frameRate, ntsc30)},
        {resolution, 0, {cameras}, blanked + refill(quality, cifQualities)},
        {cameras, -1, {}, blanked + refill(cameras, words("1 2 3 4 5 6 7 8 9"))},
        {resolution, -1, {}, blanked + refill(resolution, {"360 x 240 (CIF)", "720 x 240 (2CIF)"})},
        {quality, -1, {}, blanked + refill(quality, twoCifQualities)},
        {quality, -1, {resolution}, blanked + shown(quality)},
        {audio, -1, {}, blanked + shown(audio)},
        {hddsize, -1, {}, blanked + shown(hddsize)},
        {frameRate, -1, {}, blanked + refill(frameRate, words("15 7 5 3 2 1"))},
        {frameRate, -1, {resolution}, blanked + shown(frameRate)},
        // Without a camera count the typed rate stays; it is still no choice.
        {frameRate, -1, {cameras}, blanked},
    };
    for (const auto& [list, pick, typed, log] : events) {
        SCOPED_TRACE(FakeWindow::name(list) + " " + std::to_string(pick) + " " +
                     std::to_string(typed.size()));
        Desk desk;
        desk.calc.selectModel(Model::tx4090);
        desk.chooseAll(filled);
        desk.calc.calculate(".");
        desk.window.log.clear();
        desk.calc.listLeft(list); // leaving a list with a choice changes nothing
        EXPECT_EQ(desk.window.log, Texts{});
        for (const ListId other : typed) {
            desk.window.type(other, "typed");
        }
        if (pick >= 0) {
            desk.pickAt(list, static_cast<std::size_t>(pick));
        } else {
            desk.window.type(list, "17");
            desk.calc.listLeft(list);
        }
        EXPECT_EQ(desk.window.log, log);
    }
}

// Every list shows its prompt with no selection, and both results are blank.
void expectFresh(const FakeWindow& window, Model model, Format format) {
    for (const ListId list : allLists) {
        EXPECT_EQ(window[list].entries, hourvault::expected::freshEntries(list, model, format))
            << FakeWindow::name(list);
        EXPECT_EQ(window[list].shown, prompt(list));
        EXPECT_EQ(window[list].index, -1);
    }
    EXPECT_EQ(window.hours + window.days, "");
}

// Steps: N/P format, 6/9 model, R reset, S start-up. The last step comes after every list has
// a choice or typed text and a result is on display.
TEST(ListRebuilds, StartUpAndEverySettingsCommandResetEveryListEvenWithoutAChange) {
    expectFresh(Desk().window, Model::tx4160, Format::ntsc); // start-up replaces the initial layout
    const std::map<char, void (*)(Calculator&)> commands{
        {'N', [](Calculator& c) { c.selectFormat(Format::ntsc); }},
        {'P', [](Calculator& c) { c.selectFormat(Format::pal); }},
        {'6', [](Calculator& c) { c.selectModel(Model::tx4160); }},
        {'9', [](Calculator& c) { c.selectModel(Model::tx4090); }},
        {'R', [](Calculator& c) { c.resetInputs(); }},
        {'S', [](Calculator& c) { c.startUp(); }}};
    constexpr auto tx16 = Model::tx4160;
    constexpr auto tx9 = Model::tx4090;
    constexpr auto ntsc = Format::ntsc;
    const struct {
        std::string_view steps;
        Model model;
        Format format;
    } cases[] = {{"P9", tx9, Format::pal}, {"9PN", tx9, ntsc}, {"9P6", tx16, Format::pal},
                 {"9PS", tx16, ntsc},      {"N", tx16, ntsc},  {"6", tx16, ntsc},
                 {"R", tx16, ntsc}};
    for (const auto& [steps, model, format] : cases) {
        SCOPED_TRACE(steps);
        Desk desk;
        for (const char step : steps.substr(0, steps.size() - 1)) {
            commands.at(step)(desk.calc);
        }
        for (const ListId list : allLists) {
            desk.pickAt(list, 1);
        }
        desk.calc.calculate(".");
        ASSERT_NE(desk.window.hours, "");
        desk.window.type(quality, "typed");
        desk.window.type(hddsize, "typed");
        commands.at(steps.back())(desk.calc);
        EXPECT_EQ(desk.calc.settings().model, model);
        EXPECT_EQ(desk.calc.settings().format, format);
        expectFresh(desk.window, model, format);
    }
}

} // namespace
} // namespace hourvault_test
