// Writes what the scripted tests look for, as JSON, from the program's own tables, the texts
// every test expects and the window cases: the end-to-end test and the page's test read this
// rather than the C++ sources or copies of them.
// Usage: window_facts OUTPUT.json

#include "expected_help_texts.h"
#include "expected_places.h"
#include "expected_texts.h"
#include "help_windows.h"
#include "json_writer.h"
#include "main_window.h"
#include "window_cases.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using hourvault::byRole;
using hourvault::ControlKind;
using hourvault::JsonWriter;
using hourvault::LayoutRow;
using hourvault::ListId;
using hourvault::Role;
namespace main_window = hourvault::main_window;
namespace expected = hourvault::expected;
namespace cases = hourvault::cases;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == text.npos ? "" : std::string(text.substr(first, last - first + 1));
}

template <typename Texts> void texts(JsonWriter& json, std::string_view key, const Texts& all) {
    json.key(key).open('[');
    for (const auto& text : all) {
        if (!std::string_view(text).empty()) {
            json.value(std::string_view(text));
        }
    }
    json.close(']');
}

int number(ListId list) {
    return static_cast<int>(list);
}

// Each list, in the order Calculate checks them: its name, the caption of the frame that names
// it, its prompt, what Calculate says of it, its choice in the typical request and its entries
// as each model and format makes it afresh.
void lists(JsonWriter& json) {
    json.key("lists").open('[');
    for (const main_window::ListPlace& place : main_window::listPlaces) {
        json.open('{').member("name", place.name);
        json.member("caption", byRole(main_window::controls, place.frame).accessibleText);
        json.member("prompt", expected::prompt(place.list));
        json.member("message", expected::message(place.list));
        json.member("typical", expected::typical.choice(place.list));
        json.key("fresh").open('[');
        for (const auto model : {hourvault::Model::tx4160, hourvault::Model::tx4090}) {
            for (const auto format : {hourvault::Format::ntsc, hourvault::Format::pal}) {
                json.open('{').member("model", static_cast<int>(model));
                json.member("format", static_cast<int>(format));
                texts(json, "entries", expected::freshEntries(place.list, model, format));
                json.close('}');
            }
        }
        json.close(']').close('}');
    }
    json.close(']');
}

// The result boxes, hours first, each with its unit label and its typical result; every
// picture by what it shows; each model's pictures; each glossary term and what it explains.
void windows(JsonWriter& json) {
    json.member("title", main_window::caption);
    json.member("glossary", hourvault::glossaryWindow.caption);
    json.member("about", hourvault::aboutWindow.caption);
    json.key("results").open('[');
    for (const Role role : {Role::hours, Role::days}) {
        const LayoutRow& box = byRole(main_window::resultControls, role);
        json.open('{').member("name", box.name).member("accessible", box.accessibleText);
        for (const LayoutRow& row : main_window::resultControls) {
            if (row.labelFor == role) {
                json.member("unit", row.text);
            }
        }
        const auto& typical = expected::typical;
        json.member("typical", role == Role::hours ? typical.hours : typical.days).close('}');
    }
    json.close(']').key("pictures").open('{');
    for (const LayoutRow& row : main_window::controls) {
        if (row.kind == ControlKind::picture) {
            json.member(row.name, row.accessibleText);
        }
    }
    json.close('}').key("models").open('[');
    for (const auto& [role, model] : main_window::modelPictures) {
        json.open('[').value(static_cast<int>(model));
        json.value(byRole(main_window::controls, role).accessibleText).close(']');
    }
    json.close(']').key("terms").open('{');
    for (const LayoutRow& row : hourvault::glossaryWindow.controls) {
        if (row.labelFor != Role::none) {
            json.member(trimmed(row.text),
                        byRole(hourvault::glossaryWindow.controls, row.labelFor).text);
        }
    }
    json.close('}').key("helpTexts").open('[');
    for (const auto& [window, name, text] : expected::helpTexts) {
        json.open('{').member("window", window).member("name", name).member("text", text);
        json.close('}');
    }
    json.close(']').key("places").open('[');
    for (const auto& [name, left, top, width, height] : expected::places) {
        json.open('{').member("name", name).member("left", left).member("top", top);
        json.member("width", width).member("height", height).close('}');
    }
    json.close(']');
}

const char* leavingName(cases::Leaving leaving) {
    switch (leaving) {
    case cases::Leaving::tab:
        return "tab";
    case cases::Leaving::backtab:
        return "backtab";
    case cases::Leaving::none:
        break;
    }
    return "none";
}

void windowCases(JsonWriter& json) {
    json.key("missingChoices").open('[');
    for (const auto& row : cases::missingChoices) {
        json.open('{').member("name", row.name).member("picked", static_cast<int>(row.picked));
        json.member("typedInto", row.typedInto ? number(*row.typedInto) : -1);
        json.member("typed", row.typed).member("leaving", leavingName(row.leaving));
        json.member("missing", number(row.missing)).close('}');
    }
    json.close(']').key("settingsCommands").open('[');
    for (const auto& row : cases::settingsCommands) {
        json.open('{').member("name", row.name);
        texts(json, "steps", row.steps);
        json.member("typedInto", number(row.typedInto));
        json.member("model", static_cast<int>(row.model));
        json.member("format", static_cast<int>(row.format)).close('}');
    }
    json.close(']').key("rateLeavings").open('[');
    for (const auto& row : cases::rateLeavings) {
        json.open('{').member("name", row.name).member("cameras", row.cameras);
        json.member("resolutionRetyped", row.resolutionRetyped).member("shown", row.shown);
        json.member("rebuilt", row.rebuilt).close('}');
    }
    json.close(']');
    texts(json, "typicalRates", cases::typicalRates);
    json.member("decimalCommaLocale", cases::decimalCommaLocale);
    json.key("decimalCommaRequests").open('[');
    for (const auto& request : cases::decimalCommaRequests) {
        // An empty choice is one left unmade.
        json.open('{').key("choices").open('[');
        for (const auto& choice : request.choices) {
            json.value(choice);
        }
        json.close(']');
        json.member("hours", request.hours).member("days", request.days).close('}');
    }
    json.close(']');
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: window_facts OUTPUT.json\n", stderr);
        return 2;
    }
    JsonWriter json;
    json.open('{');
    lists(json);
    windows(json);
    windowCases(json);
    json.close('}');
    if (!json.save(argv[1])) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
