// Writes what the end-to-end test looks for, as JSON, from the program's own tables and the
// texts every test expects: the script reads this instead of the C++ sources.
// Usage: window_facts OUTPUT.json

#include "expected_texts.h"
#include "help_windows.h"
#include "json_writer.h"
#include "main_window.h"

#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using hourvault::ControlKind;
using hourvault::LayoutRow;
using hourvault::Role;
namespace main_window = hourvault::main_window;

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

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: window_facts OUTPUT.json\n", stderr);
        return 2;
    }
    using hourvault::expected::typical;
    hourvault::JsonWriter json;
    json.open('{').member("title", main_window::caption);
    json.member("glossary", hourvault::glossaryWindow.caption);
    json.member("about", hourvault::aboutWindow.caption);
    // Each list: its name, the caption of the frame that names it, its prompt, what Calculate
    // says of it, its choice in the typical request.
    json.key("lists").open('[');
    for (const main_window::ListPlace& place : main_window::listPlaces) {
        json.open('{').member("name", place.name);
        json.member("caption", byRole(main_window::controls, place.frame).accessibleText);
        json.member("prompt", hourvault::expected::prompt(place.list));
        json.member("missing", hourvault::expected::message(place.list));
        json.member("typical", typical.choice(place.list)).close('}');
    }
    // The result boxes, hours first, each with its unit label.
    json.close(']').key("results").open('[');
    for (const Role role : {Role::hours, Role::days}) {
        const LayoutRow& box = byRole(main_window::resultControls, role);
        json.open('{').member("name", box.name).member("accessible", box.accessibleText);
        for (const LayoutRow& row : main_window::resultControls) {
            if (row.labelFor == role) {
                json.member("unit", row.text);
            }
        }
        json.member("typical", role == Role::hours ? typical.hours : typical.days).close('}');
    }
    // Every picture by what it shows; each model's pictures; each glossary term and what it
    // explains.
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
    json.close('}').close('}');
    if (!json.save(argv[1])) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
