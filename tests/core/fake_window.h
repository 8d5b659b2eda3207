#pragma once

#include "calculator.h"
#include "window_primitives.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hourvault_test {

using hourvault::ListId;
using hourvault::ResultBox;

struct FakeList {
    std::vector<std::string> entries;
    std::string shown;
    int index = -1;
};

struct Message {
    std::string text;
    std::string title;
};

// A window in memory. The primitives the calculator calls are logged; what a user does (pick,
// type) is not, so a test can tell what the calculator changed.
class FakeWindow final : public hourvault::WindowPrimitives {
public:
    FakeWindow() {
        // Leftovers of a window's initial layout, which start-up must replace.
        for (FakeList& list : lists_) {
            list = {{"Combo1"}, "Combo1", 0};
        }
        results_ = {"Text1", "Text2"};
    }

    [[nodiscard]] int selectionIndex(ListId list) const override { return at(list).index; }
    [[nodiscard]] std::string shownText(ListId list) const override { return at(list).shown; }

    void clearList(ListId list) override {
        at(list) = {};
        log.push_back("clear " + name(list));
    }
    void appendEntry(ListId list, std::string_view text) override {
        at(list).entries.emplace_back(text);
        log.push_back("append " + name(list) + " " + std::string(text));
    }
    // A prompt is never an entry, so showing one leaves no selection.
    void setShownText(ListId list, std::string_view text) override {
        at(list).shown = text;
        at(list).index = -1;
        log.push_back("show " + name(list) + " " + std::string(text));
    }
    void setResultText(ResultBox box, std::string_view text) override {
        results_.at(static_cast<std::size_t>(box)) = text;
        log.push_back(std::string(box == ResultBox::hours ? "hours " : "days ") +
                      std::string(text));
    }
    void focusList(ListId list) override {
        focus.push_back(list);
        log.push_back("focus " + name(list));
    }
    void showMessage(std::string_view text, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title)});
        log.push_back("message " + std::string(text));
    }

    // What the user does: a pick sets the index and its text; typing leaves no selection.
    void pick(ListId list, std::size_t i) {
        at(list).index = static_cast<int>(i);
        at(list).shown = at(list).entries.at(i);
    }
    void pickText(ListId list, std::string_view text) {
        const auto& entries = at(list).entries;
        const auto found = std::find(entries.begin(), entries.end(), text);
        if (found == entries.end()) {
            throw std::logic_error("no entry " + std::string(text) + " in " + name(list));
        }
        pick(list, static_cast<std::size_t>(found - entries.begin()));
    }
    void type(ListId list, std::string_view text) {
        at(list).index = -1;
        at(list).shown = text;
    }
    // A state no user action reaches: a selection whose shown text is not its entry.
    void force(ListId list, int index, std::string text) {
        at(list).index = index;
        at(list).shown = std::move(text);
    }
    void setResults(std::string hours, std::string days) { results_ = {hours, days}; }

    [[nodiscard]] const FakeList& list(ListId list) const { return at(list); }
    [[nodiscard]] const std::vector<std::string>& entries(ListId list) const {
        return at(list).entries;
    }
    [[nodiscard]] const std::string& hours() const { return results_[0]; }
    [[nodiscard]] const std::string& days() const { return results_[1]; }

    std::vector<std::string> log;
    std::vector<ListId> focus;
    std::vector<Message> messages;

    static std::string name(ListId list) {
        static constexpr std::array<std::string_view, 6> names{
            "cameras", "resolution", "quality", "frameRate", "audio", "hddsize"};
        return std::string(names.at(hourvault::indexOf(list)));
    }

private:
    FakeList& at(ListId list) { return lists_.at(hourvault::indexOf(list)); }
    [[nodiscard]] const FakeList& at(ListId list) const {
        return lists_.at(hourvault::indexOf(list));
    }

    std::array<FakeList, 6> lists_;
    std::array<std::string, 2> results_;
};

// A started calculator on a fake window, driven the way a user drives the real one.
struct Desk {
    Desk() {
        calc.startUp();
        window.log.clear();
    }
    void choose(ListId list, std::string_view text) {
        window.pickText(list, text);
        calc.entryChosen(list);
    }
    void typeAndLeave(ListId list, std::string_view text) {
        window.type(list, text);
        calc.focusLost(list);
    }
    // Cameras, resolution, quality, rate, audio, disk: in the order a user fills them in.
    void chooseAll(const std::array<std::string_view, 6>& texts) {
        for (const ListId list : hourvault::allLists) {
            choose(list, texts.at(hourvault::indexOf(list)));
        }
    }

    FakeWindow window;
    hourvault::Calculator calc{window};
};

} // namespace hourvault_test
