#include "expected_texts.h"
#include "fake_window.h"
#include "main_window_controller.h"

#include <gtest/gtest.h>

namespace hourvault_test {
namespace {

using hourvault::Button;
using hourvault::Command;

TEST(MainWindowController, RunsEachCommandAndShowsTheSettingsItChanges) {
    FakeWindow window;
    hourvault::MainWindowController controller(window);
    controller.startUp();
    EXPECT_EQ(window.log.back(), "settings NTSC 16");
    for (const auto& [command, last] : {std::pair{Command::model9, "settings NTSC 9"},
                                        {Command::pal, "settings PAL 9"},
                                        {Command::clear, "show resolution < select resolution >"},
                                        {Command::glossary, "glossary"}}) {
        controller.command(command);
        EXPECT_EQ(window.log.back(), last);
    }
    // The help window has the window's place: nothing runs until it gives it back.
    window.log.clear();
    controller.command(Command::exit);
    controller.pressed(Button::clear);
    EXPECT_EQ(window.log, Texts{});
    controller.helpWindowClosed();
    controller.command(Command::about);
    controller.helpWindowClosed();
    controller.command(Command::exit);
    EXPECT_EQ(window.log, (Texts{"commands on", "commands off", "about", "commands on", "end"}));
}

TEST(MainWindowController, TakesNoCommandWhileTheMissingDataBoxIsUp) {
    FakeWindow window;
    hourvault::MainWindowController controller(window);
    controller.startUp();
    // An assistive tool can still reach the menus and buttons behind a modal box.
    window.whileMessageShows = [&] {
        EXPECT_FALSE(controller.takesInput());
        controller.command(Command::model9);
        controller.pressed(Button::calculate);
    };
    window.log.clear();
    controller.pressed(Button::calculate);
    EXPECT_EQ(window.log, (Texts{"commands off",
                                 "message " + std::string(hourvault::expected::message(cameras)),
                                 "commands on", "focus cameras"}));
    EXPECT_TRUE(controller.takesInput());
    EXPECT_EQ(controller.settings().channelCount(), 16);
}

TEST(MainWindowController, LeavesAResultThatDoesNotChangeAlone) {
    FakeWindow window;
    hourvault::MainWindowController controller(window);
    controller.startUp();
    // Written by someone else: blanked once, then left alone.
    window.hours = "earlier";
    window.log.clear();
    controller.pressed(Button::clear);
    controller.pressed(Button::clear);
    EXPECT_EQ(window.log.front(), "hours ");
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "hours "), 1);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "days "), 0);
}

} // namespace
} // namespace hourvault_test
