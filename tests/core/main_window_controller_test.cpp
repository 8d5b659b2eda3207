#include "expected_texts.h"
#include "fake_window.h"
#include "main_window_controller.h"

#include <gtest/gtest.h>

#include <functional>

namespace hourvault_test {
namespace {

using hourvault::Button;
using hourvault::Command;
using hourvault::HelpWindowKind;
using hourvault::ResultBox;

// The fake window with what only a toolkit does, logged beside the list calls. What happens
// while a message box is up is up to the test.
class FakeMainWindow final : public hourvault::MainWindowOperations {
public:
    [[nodiscard]] int selectionIndex(ListId list) const override {
        return window.selectionIndex(list);
    }
    [[nodiscard]] std::string shownText(ListId list) const override {
        return window.shownText(list);
    }
    void clearList(ListId list) override { window.clearList(list); }
    void appendEntry(ListId list, std::string_view text) override {
        window.appendEntry(list, text);
    }
    void setShownText(ListId list, std::string_view text) override {
        window.setShownText(list, text);
    }
    void setResultText(ResultBox box, std::string_view text) override {
        window.setResultText(box, text);
    }
    void focusList(ListId list) override { window.focusList(list); }
    void showMessage(std::string_view text, std::string_view title) override {
        window.showMessage(text, title);
        if (whileMessageShows) {
            whileMessageShows();
        }
    }
    void showSettings(const hourvault::Settings& settings) override {
        window.log.push_back(std::string("settings ") + (settings.isNtsc() ? "NTSC " : "PAL ") +
                             std::to_string(settings.channelCount()));
    }
    void enableCommands(bool enabled) override {
        window.log.push_back(enabled ? "commands on" : "commands off");
    }
    void openHelpWindow(HelpWindowKind which) override {
        window.log.push_back(which == HelpWindowKind::about ? "about" : "glossary");
    }
    void endProgram() override { window.log.push_back("end"); }
    [[nodiscard]] std::string resultText(ResultBox box) const override {
        return box == ResultBox::hours ? window.hours : window.days;
    }
    [[nodiscard]] std::string decimalSeparator() const override { return ","; }

    FakeWindow window;
    std::function<void()> whileMessageShows;
};

TEST(MainWindowController, RunsEachCommandAndShowsTheSettingsItChanges) {
    FakeMainWindow fake;
    hourvault::MainWindowController controller(fake);
    controller.startUp();
    EXPECT_EQ(fake.window.log.back(), "settings NTSC 16");
    for (const auto& [command, last] : {std::pair{Command::model9, "settings NTSC 9"},
                                        {Command::pal, "settings PAL 9"},
                                        {Command::clear, "show resolution < select resolution >"},
                                        {Command::glossary, "glossary"}}) {
        controller.command(command);
        EXPECT_EQ(fake.window.log.back(), last);
    }
    // The help window has the window's place: nothing runs until it gives it back.
    fake.window.log.clear();
    controller.command(Command::exit);
    controller.pressed(Button::clear);
    EXPECT_EQ(fake.window.log, Texts{});
    controller.helpWindowClosed();
    controller.command(Command::about);
    controller.helpWindowClosed();
    controller.command(Command::exit);
    EXPECT_EQ(fake.window.log,
              (Texts{"commands on", "commands off", "about", "commands on", "end"}));
}

TEST(MainWindowController, TakesNoCommandWhileTheMissingDataBoxIsUp) {
    FakeMainWindow fake;
    hourvault::MainWindowController controller(fake);
    controller.startUp();
    // An assistive tool can still reach the menus and buttons behind a modal box.
    fake.whileMessageShows = [&] {
        EXPECT_FALSE(controller.takesInput());
        controller.command(Command::model9);
        controller.pressed(Button::calculate);
    };
    fake.window.log.clear();
    controller.pressed(Button::calculate);
    EXPECT_EQ(
        fake.window.log,
        (Texts{"commands off", "message " + std::string(hourvault::expected::message(cameras)),
               "commands on", "focus cameras"}));
    EXPECT_TRUE(controller.takesInput());
    EXPECT_EQ(controller.settings().channelCount(), 16);
}

TEST(MainWindowController, LeavesAResultThatDoesNotChangeAlone) {
    FakeMainWindow fake;
    hourvault::MainWindowController controller(fake);
    controller.startUp();
    // Written by someone else: blanked once, then left alone.
    fake.window.hours = "earlier";
    fake.window.log.clear();
    controller.pressed(Button::clear);
    controller.pressed(Button::clear);
    EXPECT_EQ(fake.window.log.front(), "hours ");
    EXPECT_EQ(std::count(fake.window.log.begin(), fake.window.log.end(), "hours "), 1);
    EXPECT_EQ(std::count(fake.window.log.begin(), fake.window.log.end(), "days "), 0);
}

} // namespace
} // namespace hourvault_test
