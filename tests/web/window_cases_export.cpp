// Writes the window cases and the texts every front-end's tests expect as JSON, for the page's
// test in a browser, which reads them from there rather than keep copies. Run by node at build
// time.

#include "expected_help_texts.h"
#include "expected_places.h"
#include "expected_texts.h"
#include "json_writer.h"
#include "main_window.h"
#include "window_cases.h"

#include <cstdio>

namespace {

using hourvault::JsonWriter;
using hourvault::ListId;

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

void expectedTexts(JsonWriter& json) {
    namespace expected = hourvault::expected;
    json.key("lists").open('[');
    for (const ListId list : hourvault::allLists) {
        json.open('{');
        json.member("name", hourvault::main_window::objectName(list));
        json.member("prompt", expected::prompt(list)).member("message", expected::message(list));
        json.member("typical", expected::typical.choice(list));
        json.key("fresh").open('[');
        for (const auto model : {hourvault::Model::tx4160, hourvault::Model::tx4090}) {
            for (const auto format : {hourvault::Format::ntsc, hourvault::Format::pal}) {
                json.open('{');
                json.member("model", static_cast<int>(model));
                json.member("format", static_cast<int>(format));
                texts(json, "entries", expected::freshEntries(list, model, format));
                json.close('}');
            }
        }
        json.close(']');
        json.close('}');
    }
    json.close(']');
    json.key("typical").open('{');
    json.member("hours", expected::typical.hours).member("days", expected::typical.days);
    json.close('}');
    json.key("helpTexts").open('[');
    for (const auto& [window, name, text] : expected::helpTexts) {
        json.open('{').member("window", window).member("name", name).member("text", text);
        json.close('}');
    }
    json.close(']');
    json.key("places").open('[');
    for (const auto& [name, left, top, width, height] : expected::places) {
        json.open('{').member("name", name).member("left", left).member("top", top);
        json.member("width", width).member("height", height).close('}');
    }
    json.close(']');
}

const char* leavingName(hourvault::cases::Leaving leaving) {
    switch (leaving) {
    case hourvault::cases::Leaving::tab:
        return "tab";
    case hourvault::cases::Leaving::backtab:
        return "backtab";
    case hourvault::cases::Leaving::none:
        break;
    }
    return "none";
}

void windowCases(JsonWriter& json) {
    namespace cases = hourvault::cases;
    json.key("missingChoices").open('[');
    for (const auto& row : cases::missingChoices) {
        json.open('{').member("name", row.name).member("picked", static_cast<int>(row.picked));
        json.member("typedInto", row.typedInto ? number(*row.typedInto) : -1);
        json.member("typed", row.typed).member("leaving", leavingName(row.leaving));
        json.member("missing", number(row.missing)).close('}');
    }
    json.close(']');
    json.key("settingsCommands").open('[');
    for (const auto& row : cases::settingsCommands) {
        json.open('{').member("name", row.name);
        texts(json, "steps", row.steps);
        json.member("typedInto", number(row.typedInto));
        json.member("model", static_cast<int>(row.model));
        json.member("format", static_cast<int>(row.format)).close('}');
    }
    json.close(']');
    json.key("rateLeavings").open('[');
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

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: window_cases_export OUTPUT.json\n", stderr);
        return 2;
    }
    JsonWriter json;
    json.open('{');
    expectedTexts(json);
    windowCases(json);
    json.close('}');
    if (!json.save(argv[1])) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
