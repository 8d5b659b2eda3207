// Writes what the end-to-end test looks for, as JSON, from the program's own tables and the
// texts every test expects: the script reads this instead of the C++ sources.
// Usage: window_facts OUTPUT.json

#include "expected_texts.h"
#include "help_windows.h"
#include "main_window.h"

#include <cstdio>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using hourvault::ControlKind;
using hourvault::LayoutRow;
using hourvault::Role;
namespace main_window = hourvault::main_window;

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == text.npos ? "" : std::string(text.substr(first, last - first + 1));
}

const LayoutRow& byRole(std::span<const LayoutRow> rows, Role role) {
    for (const LayoutRow& row : rows) {
        if (row.role == role) {
            return row;
        }
    }
    throw std::logic_error("no row has that role");
}

// A list of JSON values, each written by `item`.
template <typename Rows, typename Item> std::string array(const Rows& rows, Item item) {
    std::string out = "[";
    for (const auto& row : rows) {
        out += (out.size() > 1 ? ",\n  " : "\n  ") + item(row);
    }
    return out + "]";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: window_facts OUTPUT.json\n", stderr);
        return 2;
    }
    using hourvault::expected::typical;
    const auto list = [](const main_window::ListPlace& place) {
        return "{\"name\": " + quoted(place.name) + ", \"caption\": " +
               quoted(byRole(main_window::controls, place.frame).accessibleText) +
               ", \"prompt\": " + quoted(hourvault::expected::prompt(place.list)) +
               ", \"missing\": " + quoted(hourvault::expected::message(place.list)) +
               ", \"typical\": " + quoted(typical.choice(place.list)) + "}";
    };
    // The result boxes, hours first, each with its unit label.
    const auto result = [](Role role) {
        const LayoutRow& box = byRole(main_window::resultControls, role);
        std::string unit;
        for (const LayoutRow& row : main_window::resultControls) {
            unit = row.labelFor == role ? row.text : unit;
        }
        return "{\"name\": " + quoted(box.name) +
               ", \"accessible\": " + quoted(box.accessibleText) + ", \"unit\": " + quoted(unit) +
               ", \"typical\": " + quoted(role == Role::hours ? typical.hours : typical.days) + "}";
    };
    std::string pictures;
    for (const LayoutRow& row : main_window::controls) {
        if (row.kind == ControlKind::picture) {
            pictures += (pictures.empty() ? "" : ", ") + quoted(row.name) + ": " +
                        quoted(row.accessibleText);
        }
    }
    // Each model's pictures, by what they show; and each glossary term with its explanation.
    std::string models;
    for (const auto& [role, model] : main_window::modelPictures) {
        models += (models.empty() ? "[" : ", [") + std::to_string(static_cast<int>(model)) + ", " +
                  quoted(byRole(main_window::controls, role).accessibleText) + "]";
    }
    std::string terms;
    for (const LayoutRow& row : hourvault::glossaryWindow.controls) {
        if (row.labelFor != Role::none) {
            terms += (terms.empty() ? "" : ",\n  ") + quoted(trimmed(row.text)) + ": " +
                     quoted(byRole(hourvault::glossaryWindow.controls, row.labelFor).text);
        }
    }
    std::ofstream out(argv[1]);
    out << "{\"title\": " << quoted(main_window::caption)
        << ",\n\"glossary\": " << quoted(hourvault::glossaryWindow.caption)
        << ",\n\"about\": " << quoted(hourvault::aboutWindow.caption)
        << ",\n\"lists\": " << array(main_window::listPlaces, list)
        << ",\n\"results\": " << array(std::array{Role::hours, Role::days}, result)
        << ",\n\"pictures\": {" << pictures << "},\n\"models\": [" << models
        << "],\n\"terms\": {\n  " << terms << "}}\n";
    return out ? 0 : 1;
}
