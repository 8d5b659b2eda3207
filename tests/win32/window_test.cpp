// The Windows program's window, driven by real input under Wine: picks, typing, buttons, menus,
// shortcuts and the help windows, with the cases and texts the Qt window's tests use.

#include "calculator_window.h"
#include "dpi.h"
#include "expected_help_texts.h"
#include "expected_places.h"
#include "gdi.h"
#include "menus.h"
#include "message_loop.h"
#include "program_services.h"
#include "window_cases.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <stdexcept>
#include <string>

namespace hourvault::testing {
namespace {

using enum ListId;
using expected::typical;

std::wstring prompt(ListId list) {
    return wide(expected::prompt(list));
}

std::wstring choice(ListId list) {
    return wide(typical.choice(list));
}

std::vector<std::wstring> wides(const auto& texts) {
    std::vector<std::wstring> out;
    for (const auto& text : texts) {
        out.push_back(wide(text));
    }
    return out;
}

const std::vector<std::wstring> typicalResults{wide(typical.hours), wide(typical.days)};
const std::vector<std::wstring> noResults{L"", L""};

// A fresh main window, shown and active, for each test.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<win32::CalculatorWindow>();
        driver_ = std::make_unique<WindowDriver>(window_->hwnd());
        window_->show(SW_SHOW);
        ASSERT_TRUE(driver_->activate());
        settle();
    }

    void TearDown() override {
        driver_.reset();
        window_.reset();
        settle(50);
    }

    [[nodiscard]] bool pickAll(const auto& picks) const {
        for (const ListId list : allLists) {
            const std::wstring pick = wide(picks.at(indexOf(list)));
            if (!pick.empty() && !driver_->pickByKeys(list, pick)) {
                return false;
            }
        }
        return true;
    }

    [[nodiscard]] bool computeTypical() const {
        return pickAll(typical.choices) && driver_->press("cmdCalculate") &&
               driver_->results() == typicalResults;
    }

    // Every list rebuilt for the model and format, showing its prompt; the display matches.
    void expectResetFor(Model model, Format format) const {
        for (const ListId list : allLists) {
            EXPECT_EQ(driver_->text(list), prompt(list));
            EXPECT_EQ(driver_->entries(list), wides(expected::freshEntries(list, model, format)));
        }
        EXPECT_EQ(driver_->results(), noResults);
        const bool tx4160 = model == Model::tx4160;
        const bool ntsc = format == Format::ntsc;
        EXPECT_EQ((std::vector<bool>{
                      driver_->checked(Command::model16), driver_->checked(Command::model9),
                      driver_->checked(Command::ntsc), driver_->checked(Command::pal)}),
                  (std::vector<bool>{tx4160, !tx4160, ntsc, !ntsc}));
        std::vector<bool> shown;
        for (const char* picture : {"favor16", "favor9", "TX4160", "TX4090"}) {
            shown.push_back(IsWindowVisible(driver_->control(picture)) != FALSE);
        }
        EXPECT_EQ(shown, (std::vector<bool>{tx4160, !tx4160, tx4160, !tx4160}));
        EXPECT_EQ(windowText(driver_->control("txtFormat")), ntsc ? L"NTSC" : L"PAL");
    }

    std::unique_ptr<win32::CalculatorWindow> window_;
    std::unique_ptr<WindowDriver> driver_;
};

// Its owner may close it and go on: only the user's or the program's own end ends the program.
TEST_F(WindowTest, DestroyedByItsOwnerItEndsNothing) {
    window_.reset();
    MSG quit{};
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(WindowTest, OpensAsTx4160InNtscWithCalculateFocused) {
    EXPECT_EQ(windowText(window_->hwnd()), L"OSTREL  Hourvault");
    expectResetFor(Model::tx4160, Format::ntsc);
    EXPECT_EQ(driver_->focused(), driver_->control("cmdCalculate"));
}

TEST_F(WindowTest, ControlsSitAtTheirPlacesAtTheScreensScale) {
    const UINT dpi = win32::dpiOf(window_->hwnd());
    if (const char* desktop = std::getenv("HOURVAULT_WINE_DPI")) { // the run at another scale
        ASSERT_EQ(dpi, static_cast<UINT>(std::atoi(desktop)));
    }
    for (const auto& [name, left, top, width, height] : expected::places) {
        RECT box{};
        GetWindowRect(driver_->control(name), &box);
        MapWindowPoints(HWND_DESKTOP, window_->hwnd(), reinterpret_cast<POINT*>(&box), 2);
        const auto scaled = [dpi](int pixels) { return MulDiv(pixels, int(dpi), 96); };
        // Rounded from the twips at this scale, within a pixel of the 100 % place scaled.
        EXPECT_NEAR(box.left, scaled(left), 1) << name;
        EXPECT_NEAR(box.top, scaled(top), 1) << name;
        EXPECT_NEAR(box.right - box.left, scaled(width), 1) << name;
        EXPECT_NEAR(box.bottom - box.top, scaled(height), 1) << name;
    }
    RECT client{};
    GetClientRect(window_->hwnd(), &client);
    EXPECT_NEAR(client.right, MulDiv(expected::clientWidth, int(dpi), 96), 1);
    EXPECT_NEAR(client.bottom, MulDiv(expected::clientHeight, int(dpi), 96), 1);
}

// The line a list's field or a result box shows sits midway up its place at every scale, as
// Windows centres a control's text, not at the top of a box that grew with the scale.
TEST_F(WindowTest, FieldTextsSitMidwayInTheirPlaces) {
    std::vector<std::string_view> names{"txtHours", "txtDays"};
    for (const ListId list : allLists) {
        names.push_back(main_window::objectName(list));
    }
    for (const std::string_view name : names) {
        HWND box = driver_->control(name);
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof combo;
        HWND field = GetComboBoxInfo(box, &combo) ? combo.hwndItem : box;
        // The edit's own line: its formatting rectangle's top, one line of its font high.
        RECT line{};
        SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&line));
        const win32::WindowDc screen(field);
        const win32::Selection selected(
            screen.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
        TEXTMETRICW font{};
        GetTextMetricsW(screen.get(), &font);
        POINT top{0, line.top};
        ClientToScreen(field, &top);
        RECT place{};
        GetWindowRect(box, &place);
        // Twice the middles, in whole pixels: within a pixel.
        EXPECT_NEAR(2 * top.y + font.tmHeight, place.top + place.bottom, 2)
            << name << ": a line " << font.tmHeight << " high from " << top.y - place.top << " in "
            << place.bottom - place.top;
    }
}

TEST_F(WindowTest, MenusShowCaptionsShortcutsAndChecks) {
    // An item's text is its caption, then a tab and its shortcut.
    const auto line = [](std::wstring_view caption, std::wstring_view shortcut, bool checked) {
        return std::wstring(caption) + (shortcut.empty() ? L"" : L"\t") + std::wstring(shortcut) +
               (checked ? L" on" : L"");
    };
    HMENU bar = GetMenu(window_->hwnd());
    std::vector<std::wstring> shown;
    for (int title = 0; title < GetMenuItemCount(bar); ++title) {
        wchar_t text[64]{};
        GetMenuStringW(bar, static_cast<UINT>(title), text, 64, MF_BYPOSITION);
        shown.emplace_back(text);
        HMENU menu = GetSubMenu(bar, title);
        for (int item = 0; item < GetMenuItemCount(menu); ++item) {
            GetMenuStringW(menu, static_cast<UINT>(item), text, 64, MF_BYPOSITION);
            const UINT state = GetMenuState(menu, static_cast<UINT>(item), MF_BYPOSITION);
            shown.push_back(
                (state & MF_SEPARATOR) != 0 ? L"-" : line(text, L"", (state & MF_CHECKED) != 0));
        }
    }
    std::vector<std::wstring> expected;
    for (const auto& [name, caption, shortcut, checked] : expected::menuLines) {
        expected.push_back(line(wide(caption), wide(shortcut), checked));
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(WindowTest, TypicalRequestByDropDownClicksAndKeys) {
    for (const ListId list : {cameras, resolution, quality}) {
        ASSERT_TRUE(driver_->pickByPopup(list, choice(list))) << indexOf(list);
    }
    for (const ListId list : {frameRate, audio, hddsize}) {
        ASSERT_TRUE(driver_->pickByKeys(list, choice(list))) << indexOf(list);
    }
    EXPECT_EQ(driver_->results(), noResults);
    ASSERT_TRUE(driver_->press("cmdCalculate"));
    EXPECT_EQ(driver_->results(), typicalResults);
    EXPECT_EQ(driver_->focused(), driver_->control("cmdCalculate"));
    // A new pick blanks the results.
    ASSERT_TRUE(driver_->pickByPopup(hddsize, L"1 TB"));
    EXPECT_EQ(driver_->results(), noResults);
}

// A fresh window for each of the shared cases, the test named by the case.
template <typename Case>
class WindowCaseTest : public WindowTest, public ::testing::WithParamInterface<Case> {};

std::string caseName(const auto& info) {
    std::string name;
    for (const char c : info.param.name) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

using MissingChoiceTest = WindowCaseTest<cases::MissingChoice>;
INSTANTIATE_TEST_SUITE_P(Cases, MissingChoiceTest, ::testing::ValuesIn(cases::missingChoices),
                         caseName<::testing::TestParamInfo<cases::MissingChoice>>);

TEST_P(MissingChoiceTest, CalculateNamesTheFirstMissingChoice) {
    const auto& missing = GetParam();
    for (const ListId list : allLists) {
        if (indexOf(list) < missing.picked) {
            ASSERT_TRUE(driver_->pickByKeys(list, choice(list)));
        }
    }
    std::vector<std::wstring> shown;
    for (const ListId list : allLists) {
        shown.push_back(driver_->text(list));
    }
    if (missing.typedInto) {
        ASSERT_TRUE(driver_->type(*missing.typedInto, wide(missing.typed)));
        shown.at(indexOf(*missing.typedInto)) = prompt(*missing.typedInto);
    }
    if (missing.leaving != cases::Leaving::none) {
        key(VK_TAB, missing.leaving == cases::Leaving::backtab ? std::vector<WORD>{VK_SHIFT}
                                                               : std::vector<WORD>{});
    }
    const auto box = driver_->readNextBox();
    ASSERT_TRUE(driver_->press("cmdCalculate"));
    ASSERT_TRUE(waitFor([&] { return box->seen && messageBox(window_->hwnd()) == nullptr; }));
    // The window active again, as the window manager gives the activation back in its time.
    ASSERT_TRUE(waitFor([&] {
        return GetForegroundWindow() == window_->hwnd() && GetActiveWindow() == window_->hwnd();
    }));
    EXPECT_EQ(box->title, L"Missing Data");
    EXPECT_EQ(box->text, wide(expected::message(missing.missing)));
    EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_FALSE(box->icon);
    ASSERT_TRUE(waitFor([&] { return driver_->focused() == driver_->list(missing.missing); }));
    // Selected, as Tab would, so that typing replaces it.
    EXPECT_EQ(driver_->selectedLength(missing.missing), shown.at(indexOf(missing.missing)).size());
    for (const ListId list : allLists) {
        EXPECT_EQ(driver_->text(list), shown.at(indexOf(list)));
    }
}

using SettingsCommandsTest = WindowCaseTest<cases::SettingsCommands>;
INSTANTIATE_TEST_SUITE_P(Cases, SettingsCommandsTest, ::testing::ValuesIn(cases::settingsCommands),
                         caseName<::testing::TestParamInfo<cases::SettingsCommands>>);

TEST_P(SettingsCommandsTest, ResetEveryListAndMoveNoFocus) {
    const auto& commands = GetParam();
    std::vector<std::string_view> steps(commands.steps.begin(), commands.steps.end());
    steps.erase(std::remove(steps.begin(), steps.end(), std::string_view()), steps.end());
    const std::string_view last = steps.back();
    steps.pop_back();
    const auto commandOf = [](std::string_view name) {
        for (const Menu& menu : mainMenus) {
            for (const MenuItem& item : menu.items) {
                if (item.command && item.name == name) {
                    return *item.command;
                }
            }
        }
        throw std::invalid_argument("no menu command is named " + std::string(name));
    };
    for (const std::string_view step : steps) {
        ASSERT_TRUE(driver_->chooseFromMenuBar(commandOf(step)));
    }
    for (const ListId list : allLists) {
        ASSERT_TRUE(driver_->pickByKeys(list, driver_->entries(list).at(0)));
    }
    ASSERT_TRUE(driver_->press("cmdCalculate"));
    ASSERT_NE(driver_->results(), noResults);
    ASSERT_TRUE(driver_->type(commands.typedInto, L"12"));
    ASSERT_TRUE(last == "cmdClear" ? driver_->press(last)
                                   : driver_->chooseFromMenuBar(commandOf(last)));
    expectResetFor(commands.model, commands.format);
    EXPECT_EQ(driver_->focused(),
              last == "cmdClear" ? driver_->control(last) : driver_->list(commands.typedInto));
    if (last != "cmdClear") {
        EXPECT_EQ(driver_->selectedLength(commands.typedInto), prompt(commands.typedInto).size());
    }
}

using RateLeavingTest = WindowCaseTest<cases::RateLeaving>;
INSTANTIATE_TEST_SUITE_P(Cases, RateLeavingTest, ::testing::ValuesIn(cases::rateLeavings),
                         caseName<::testing::TestParamInfo<cases::RateLeaving>>);

TEST_P(RateLeavingTest, RateListKeepsOrDropsTypedText) {
    const auto& leaving = GetParam();
    if (leaving.cameras) {
        ASSERT_TRUE(driver_->pickByKeys(cameras, choice(cameras)));
    }
    ASSERT_TRUE(driver_->pickByKeys(resolution, choice(resolution)));
    if (leaving.resolutionRetyped) {
        ASSERT_TRUE(driver_->type(resolution, L"720"));
        key(VK_TAB);
    }
    ASSERT_TRUE(driver_->type(frameRate, L"9"));
    key(VK_TAB);
    EXPECT_EQ(driver_->focused(), driver_->list(cameras));
    EXPECT_EQ(driver_->text(frameRate), wide(leaving.shown));
    EXPECT_EQ(driver_->entries(frameRate),
              leaving.rebuilt ? wides(cases::typicalRates) : std::vector<std::wstring>{});
}

// A text that was not picked is never a choice, however it came and however the list is left:
// after the typical request, the disk list shows its prompt again and the results go.
class TextNotPickedTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(computeTypical());
    }

    void expectLeft() const {
        EXPECT_EQ(driver_->text(hddsize), prompt(hddsize));
        EXPECT_EQ(driver_->results(), noResults);
    }

    [[nodiscard]] bool typeAfterTheChoice() const {
        if (!driver_->clickInto(hddsize)) {
            return false;
        }
        key(VK_END);
        typeText(L"x");
        return driver_->results() == typicalResults; // not left yet
    }
};

TEST_F(TextNotPickedTest, TypedThenTab) {
    ASSERT_TRUE(typeAfterTheChoice());
    key(VK_TAB);
    expectLeft();
}

TEST_F(TextNotPickedTest, TypedThenAMenuOpenedAndClosedThenCalculate) {
    ASSERT_TRUE(typeAfterTheChoice());
    const auto box = driver_->readNextBox();
    keys({VK_MENU, VK_RIGHT, VK_DOWN, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    EXPECT_EQ(driver_->results(), typicalResults); // a menu is no control
    ASSERT_TRUE(driver_->press("cmdCalculate"));
    ASSERT_TRUE(waitFor([&] { return box->seen; }));
    EXPECT_EQ(box->text, wide(expected::message(hddsize)));
    expectLeft();
}

// Any text, however long, whatever its characters.
TEST_F(TextNotPickedTest, PastedThenTab) {
    std::wstring pasted;
    for (int i = 0; i < 3000; ++i) {
        pasted += L"\u0436\u20ac\U0001F600\x01\x7f ";
    }
    const std::size_t bytes = (pasted.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), pasted.c_str(), bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() &&
                SetClipboardData(CF_UNICODETEXT, memory) != nullptr && CloseClipboard());
    ASSERT_TRUE(driver_->clickInto(hddsize));
    key('V', {VK_CONTROL});
    EXPECT_NE(driver_->text(hddsize), choice(hddsize));
    key(VK_TAB);
    expectLeft();
}

// As an assistive tool does, while Calculate has the focus.
TEST_F(TextNotPickedTest, SetFromOutside) {
    SendMessageW(driver_->list(hddsize), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1 TB"));
    settle();
    expectLeft();
}

TEST_F(WindowTest, RetypingTheChosenTextKeepsTheChoice) {
    ASSERT_TRUE(computeTypical());
    ASSERT_TRUE(driver_->type(cameras, choice(cameras)));
    key(VK_TAB);
    EXPECT_EQ(driver_->text(cameras), choice(cameras));
    EXPECT_EQ(driver_->results(), typicalResults);
}

TEST_F(WindowTest, TabClosesAnOpenDropDownKeepingTheArrowsPick) {
    // An empty list drops one empty line, not a box as tall as sixteen entries; Shift+Tab
    // leaves it.
    ASSERT_TRUE(driver_->entries(quality).empty());
    ASSERT_TRUE(driver_->clickInto(quality));
    key(VK_F4);
    ASSERT_TRUE(waitFor([&] { return driver_->dropped(quality); }));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(driver_->list(quality), &info));
    RECT field{};
    RECT popup{};
    GetWindowRect(driver_->list(quality), &field);
    GetWindowRect(info.hwndList, &popup);
    EXPECT_LE(popup.bottom - popup.top, field.bottom - field.top + 4);
    key(VK_TAB, {VK_SHIFT});
    ASSERT_TRUE(waitFor([&] { return driver_->focused() == driver_->list(resolution); }));
    EXPECT_FALSE(driver_->dropped(quality));

    // Tab keeps the entry the arrows went to in the open drop-down, as a choice, and moves on.
    ASSERT_TRUE(driver_->clickInto(cameras));
    key(VK_F4);
    ASSERT_TRUE(waitFor([&] { return driver_->dropped(cameras); }));
    keys({VK_DOWN, VK_DOWN, VK_DOWN});
    key(VK_TAB);
    ASSERT_TRUE(waitFor([&] { return driver_->focused() == driver_->list(hddsize); }));
    EXPECT_FALSE(driver_->dropped(cameras));
    EXPECT_EQ(driver_->text(cameras), driver_->entries(cameras).at(2));
    // With a resolution, the rates for that many cameras are offered.
    ASSERT_TRUE(driver_->pickByKeys(resolution, choice(resolution)));
    EXPECT_FALSE(driver_->entries(frameRate).empty());
}

TEST_F(WindowTest, TabGoesRoundAndOnlyAFocusedButtonAnswersEnter) {
    const auto& round = expected::focusRound;
    for (const bool backwards : {false, true}) {
        for (std::size_t i = 1; i <= round.size(); ++i) {
            key(VK_TAB, backwards ? std::vector<WORD>{VK_SHIFT} : std::vector<WORD>{});
            const std::size_t at = (backwards ? round.size() - i : i) % round.size();
            EXPECT_EQ(driver_->focused(), driver_->control(round.at(at))) << round.at(at);
        }
    }
    ASSERT_TRUE(computeTypical());
    // Enter and Escape in a list press nothing: the result stays.
    ASSERT_TRUE(driver_->clickInto(audio));
    key(VK_RETURN);
    key(VK_ESCAPE);
    EXPECT_EQ(driver_->results(), typicalResults);
    // Enter on the focused Clear presses it.
    key(VK_TAB, {VK_SHIFT});
    key(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(driver_->focused(), driver_->control("cmdCalculate"));
    key(VK_TAB);
    key(VK_RETURN);
    EXPECT_EQ(driver_->text(audio), prompt(audio));
}

TEST_F(WindowTest, ShortcutsBeatTheFieldsEditingKeys) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    ASSERT_TRUE(computeTypical());
    ASSERT_TRUE(driver_->type(cameras, L"12"));
    key(VK_HOME);
    key(VK_END, {VK_SHIFT});
    key('C', {VK_CONTROL});
    EXPECT_EQ(driver_->text(cameras), prompt(cameras)); // Clear, not copy
    EXPECT_EQ(driver_->results(), noResults);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(driver_->focused(), driver_->list(cameras));

    // With a drop-down open: it closes, then the command runs.
    ASSERT_TRUE(computeTypical());
    ASSERT_TRUE(driver_->clickInto(audio));
    key(VK_F4);
    ASSERT_TRUE(waitFor([&] { return driver_->dropped(audio); }));
    key('C', {VK_CONTROL});
    EXPECT_FALSE(driver_->dropped(audio));
    EXPECT_EQ(driver_->text(audio), prompt(audio));

    key('G', {VK_CONTROL});
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(window_->hwnd()); }));
    HWND glossary = FindWindowW(win32::helpWindowClass, L"Glossary of Terms");
    ASSERT_NE(glossary, nullptr);
    SendMessageW(glossary, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(window_->hwnd()) != FALSE; }));
    ASSERT_TRUE(driver_->clickInto(cameras));
    key('X', {VK_CONTROL});
    EXPECT_TRUE(waitFor([&] { return !IsWindow(driver_->window()); }));
}

TEST_F(WindowTest, HelpWindowsTakeTheWindowsPlaceAndGiveItBack) {
    ASSERT_TRUE(computeTypical());
    ASSERT_TRUE(driver_->type(frameRate, L"12"));
    const auto snapshot = [this] {
        std::vector<std::wstring> seen = driver_->results();
        for (const ListId list : allLists) {
            seen.push_back(driver_->text(list));
        }
        return seen;
    };
    const auto before = snapshot();
    // Twice each: every opening builds the window afresh. OK by Enter, or closed by the system.
    for (const auto* help : {&aboutWindow, &glossaryWindow, &aboutWindow, &glossaryWindow}) {
        const bool about = help == &aboutWindow;
        ASSERT_TRUE(driver_->chooseFromMenuBar(about ? Command::about : Command::glossary));
        HWND shown = nullptr;
        ASSERT_TRUE(waitFor([&] {
            shown = FindWindowW(win32::helpWindowClass, wide(help->caption).c_str());
            return shown != nullptr && IsWindowVisible(shown);
        }));
        EXPECT_FALSE(IsWindowVisible(window_->hwnd()));
        EXPECT_EQ(GetWindow(shown, GW_OWNER), nullptr);
        for (const auto& [window, name, text] : expected::helpTexts) {
            if (std::string_view(window) == help->name) {
                EXPECT_EQ(windowText(win32::controlNamed(shown, name, help)), wide(text)) << name;
            }
        }
        HWND ok = GetFocus();
        EXPECT_EQ(windowText(ok), L"OK");
        key(VK_ESCAPE); // no cancel button
        EXPECT_TRUE(IsWindowVisible(shown));
        if (about) {
            key(VK_RETURN);
        } else {
            PostMessageW(shown, WM_CLOSE, 0, 0);
        }
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(window_->hwnd()) != FALSE; }));
        settle();
        EXPECT_FALSE(IsWindow(shown));
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(driver_->focused(), driver_->list(frameRate));
    }
}

// Run with the desktop in a locale that writes a decimal comma.
TEST_F(WindowTest, ResultsUseTheLocalesDecimalSeparator) {
    wchar_t separator[8]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    if (std::wstring_view(separator) != L",") {
        GTEST_SKIP() << "the desktop's locale writes no decimal comma";
    }
    for (const auto& request : cases::decimalCommaRequests) {
        ASSERT_TRUE(pickAll(request.choices));
        ASSERT_TRUE(driver_->press("cmdCalculate"));
        EXPECT_EQ(driver_->results(),
                  (std::vector<std::wstring>{wide(request.hours), wide(request.days)}));
    }
}

TEST_F(WindowTest, ResultsFollowAChangeOfTheDecimalSeparator) {
    // As the regional settings change it while the program runs: the value, then the message;
    // the separator the prefix had comes back however the test ends.
    static constexpr const wchar_t* key = L"Control Panel\\International";
    struct Separator {
        static void set(const wchar_t* separator) {
            RegSetKeyValueW(HKEY_CURRENT_USER, key, L"sDecimal", REG_SZ, separator,
                            static_cast<DWORD>((std::wcslen(separator) + 1) * sizeof(wchar_t)));
            // Past any window that hangs: each of the others, this program's own among them,
            // has taken the change when it returns.
            SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                                reinterpret_cast<LPARAM>(L"intl"), SMTO_ABORTIFHUNG, 5000, nullptr);
        }
        explicit Separator(const wchar_t* changed) {
            DWORD size = sizeof before;
            RegGetValueW(HKEY_CURRENT_USER, key, L"sDecimal", RRF_RT_REG_SZ, nullptr, before,
                         &size);
            set(changed);
        }
        ~Separator() { set(before); }
        Separator(const Separator&) = delete;
        Separator& operator=(const Separator&) = delete;
        wchar_t before[8]{};
    };
    const std::wstring arabic = L"\u066B";
    const Separator changed(arabic.c_str());
    ASSERT_TRUE(pickAll(typical.choices));
    ASSERT_TRUE(driver_->press("cmdCalculate"));
    auto wanted = typicalResults;
    for (std::wstring& result : wanted) {
        result.replace(result.find(L'.'), 1, arabic);
    }
    EXPECT_EQ(driver_->results(), wanted);
}

} // namespace
} // namespace hourvault::testing

int main(int argc, char** argv) {
    const hourvault::win32::ProgramServices services;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
