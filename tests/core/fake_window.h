#pragma once

#include "calculator.h"
#include "main_window_controller.h"

#include <algorithm>
#include <array>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace hourvault_test {

using hourvault::allLists;
using hourvault::indexOf;
using hourvault::ListId;
using enum hourvault::ListId;
using Texts = std::vector<std::string>;

struct FakeList {
    Texts entries;
    std::string shown;
    int index = -1;
    void set(int i, std::string_view text) {
        index = i;
        shown = text;
    }
};

// A window in memory. The calls the calculator and the controller make are logged; what a user
// does is not, and what happens while a message box is up is up to the test.
class FakeWindow final : public hourvault::MainWindowOperations {
public:
    // Leftovers of the initial layout, which start-up must replace.
    FakeWindow() { lists.fill({{"Combo1"}, "Combo1", 0}); }

    FakeList& operator[](ListId list) { return lists.at(indexOf(list)); }
    const FakeList& operator[](ListId list) const { return lists.at(indexOf(list)); }

    [[nodiscard]] int selectionIndex(ListId list) const override { return (*this)[list].index; }
    [[nodiscard]] std::string shownText(ListId list) const override { return (*this)[list].shown; }
    void clearList(ListId list) override { note("clear", list) = {}; }
    void appendEntry(ListId list, std::string_view text) override {
        note("append", list, text).entries.emplace_back(text);
    }
    // A prompt is never an entry, so showing one leaves no selection.
    void setShownText(ListId list, std::string_view text) override {
        note("show", list, text).set(-1, text);
    }
    void setResultText(hourvault::ResultBox box, std::string_view text) override {
        const bool isHours = box == hourvault::ResultBox::hours;
        (isHours ? hours : days) = text;
        log.push_back((isHours ? "hours " : "days ") + std::string(text));
    }
    void focusList(ListId list) override { note("focus", list); }
    void showMessage(std::string_view text, std::string_view title) override {
        titles.emplace_back(title);
        log.push_back("message " + std::string(text));
        if (whileMessageShows) {
            whileMessageShows();
        }
    }
    void showSettings(const hourvault::Settings& settings) override {
        log.push_back(std::string("settings ") + (settings.isNtsc() ? "NTSC " : "PAL ") +
                      std::to_string(settings.channelCount()));
    }
    void enableCommands(bool enabled) override {
        log.emplace_back(enabled ? "commands on" : "commands off");
    }
    void openHelpWindow(hourvault::HelpWindowKind which) override {
        log.emplace_back(which == hourvault::HelpWindowKind::about ? "about" : "glossary");
    }
    void endProgram() override { log.emplace_back("end"); }
    [[nodiscard]] std::string resultText(hourvault::ResultBox box) const override {
        return box == hourvault::ResultBox::hours ? hours : days;
    }
    [[nodiscard]] std::string decimalSeparator() const override { return ","; }
    // Typing leaves no selection.
    void type(ListId list, std::string_view text) { (*this)[list].set(-1, text); }

    FakeList& note(const std::string& call, ListId list, std::string_view text = {}) {
        log.push_back(call + " " + name(list) + (text.empty() ? "" : " ") + std::string(text));
        return (*this)[list];
    }
    static std::string name(ListId list) {
        return std::array{"cameras", "resolution", "quality", "frameRate", "audio", "hddsize"}.at(
            indexOf(list));
    }

    std::array<FakeList, 6> lists;
    std::string hours = "Text1";
    std::string days = "Text2";
    Texts log;
    Texts titles;
    std::function<void()> whileMessageShows;
};

const Texts cifQualities{"Q7 (11KB)", "Q6 (10KB)", "Q5 (9KB)", "Q4 (8KB)",
                         "Q3 (6KB)",  "Q2 (5KB)",  "Q1 (3KB)"};
const Texts twoCifQualities{"Q7 (18KB)", "Q6 (17KB)", "Q5 (15KB)", "Q4 (13KB)",
                            "Q3 (10KB)", "Q2 (7KB)",  "Q1 (5KB)"};

inline Texts operator+(Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "30 15 10" -> {"30", "15", "10"}
inline Texts words(std::string_view text) {
    std::istringstream in{std::string(text)};
    Texts out;
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

// A started calculator on a fake window, driven the way a user drives the real one.
struct Desk {
    Desk() { calc.startUp(); }
    void pickAt(ListId list, std::size_t i) {
        window[list].set(static_cast<int>(i), window[list].entries.at(i));
        calc.entryChosen(list);
    }
    void choose(ListId list, std::string_view text) {
        const Texts& entries = window[list].entries;
        const auto found = std::find(entries.begin(), entries.end(), text);
        pickAt(list, static_cast<std::size_t>(found - entries.begin())); // throws if missing
    }
    // "cameras|resolution|quality|rate|audio|disk", in the order a user fills them in.
    void chooseAll(std::string_view texts) {
        for (const ListId list : allLists) {
            const auto bar = texts.find('|');
            choose(list, texts.substr(0, bar));
            texts.remove_prefix(bar == texts.npos ? texts.size() : bar + 1);
        }
    }

    FakeWindow window;
    hourvault::Calculator calc{window};
};

} // namespace hourvault_test
