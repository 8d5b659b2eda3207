// Writes the windows' tables as JSON for the page's build: every control with its place in CSS
// pixels, the menus, the help windows and the lists' prompts. Run by node at build time.

#include "dialog_font.h"
#include "help_windows.h"
#include "json_writer.h"
#include "main_window.h"
#include "menus.h"

#include <array>
#include <cstdio>
#include <span>

namespace {

using hourvault::JsonWriter;
using hourvault::Role;

const char* nameOf(hourvault::ControlKind kind) {
    switch (kind) {
    case hourvault::ControlKind::button:
        return "button";
    case hourvault::ControlKind::frame:
        return "frame";
    case hourvault::ControlKind::label:
        return "label";
    case hourvault::ControlKind::picture:
        return "picture";
    case hourvault::ControlKind::formatLabel:
        return "formatLabel";
    case hourvault::ControlKind::resultBox:
        return "resultBox";
    }
    return "";
}

// A role by name; the page finds controls by these.
const char* nameOf(Role role) {
    constexpr std::array names{"",
                               "calculate",
                               "clear",
                               "camerasFrame",
                               "resolutionFrame",
                               "qualityFrame",
                               "frameRateFrame",
                               "audioFrame",
                               "hddsizeFrame",
                               "resultFrame",
                               "cameras",
                               "resolution",
                               "quality",
                               "frameRate",
                               "audio",
                               "hddsize",
                               "days",
                               "hours",
                               "format",
                               "photo16",
                               "photo9",
                               "name16",
                               "name9",
                               "ok",
                               "camerasExplained",
                               "resolutionExplained",
                               "qualityExplained",
                               "frameRateExplained",
                               "audioExplained",
                               "hddsizeExplained"};
    static_assert(names.size() == static_cast<std::size_t>(Role::count), "a name for each role");
    return names.at(static_cast<std::size_t>(role));
}

void colour(JsonWriter& json, std::string_view key, const hourvault::Rgb& rgb) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    json.member(key, text.data());
}

void look(JsonWriter& json, const hourvault::Look& look) {
    json.key("look").open('{');
    colour(json, "background", look.background);
    colour(json, "text", look.text);
    json.close('}');
}

void place(JsonWriter& json, const hourvault::TwipsRect& rect) {
    using hourvault::pixels;
    json.key("place").open('{');
    json.member("left", pixels(rect.left)).member("top", pixels(rect.top));
    json.member("width", pixels(rect.width)).member("height", pixels(rect.height));
    json.close('}');
}

void controls(JsonWriter& json, std::string_view key, std::span<const hourvault::LayoutRow> rows,
              bool mainWindow) {
    json.key(key).open('[');
    for (const auto& row : rows) {
        json.open('{');
        json.member("kind", nameOf(row.kind)).member("name", row.name).member("text", row.text);
        json.member("accessible", row.accessibleText);
        json.member("role", nameOf(row.role)).member("labelFor", nameOf(row.labelFor));
        place(json, row.place);
        if (mainWindow) {
            look(json, hourvault::main_window::lookOf(row.kind));
        }
        json.close('}');
    }
    json.close(']');
}

void mainWindow(JsonWriter& json) {
    namespace mw = hourvault::main_window;
    json.key("main").open('{');
    json.member("name", mw::name).member("caption", mw::caption);
    place(json, mw::client);
    look(json, mw::look);
    controls(json, "controls", mw::controls, true);
    controls(json, "resultControls", mw::resultControls, true);
    json.key("lists").open('[');
    for (const auto& list : mw::listPlaces) {
        json.open('{');
        json.member("list", static_cast<int>(list.list)).member("name", list.name);
        json.member("role", nameOf(list.role));
        json.member("frame", nameOf(list.frame));
        json.member("prompt", hourvault::textsOf(list.list).prompt);
        json.close('}');
    }
    json.close(']');
    json.key("listPlace").open('{');
    place(json, mw::listPlace);
    json.close('}');
    json.key("focusOrder").open('[');
    for (const Role role : mw::focusOrder) {
        json.value(nameOf(role));
    }
    json.close(']');
    json.key("line").open('{');
    json.member("name", mw::line.name).member("accessible", mw::line.accessibleText);
    json.member("x1", hourvault::pixels(mw::line.from.x));
    json.member("y1", hourvault::pixels(mw::line.from.y));
    json.member("x2", hourvault::pixels(mw::line.to.x));
    json.member("y2", hourvault::pixels(mw::line.to.y));
    colour(json, "colour", mw::line.colour);
    json.close('}');
    json.key("formatFont").open('{');
    json.member("family", mw::formatFont.family);
    // Points to CSS pixels, 96 to the inch as the layout's pixels are.
    json.member("pixels", static_cast<int>(mw::formatFont.points * 96 / 72 + 0.5));
    json.member("bold", mw::formatFont.bold);
    json.close('}');
    json.key("formats").open('[');
    for (const auto format : {hourvault::Format::ntsc, hourvault::Format::pal}) {
        json.open('{');
        json.member("format", static_cast<int>(format));
        json.member("caption", mw::formatCaption(format));
        json.close('}');
    }
    json.close(']');
    json.key("modelPictures").open('[');
    for (const auto& picture : mw::modelPictures) {
        json.open('{');
        json.member("role", nameOf(picture.role)).member("model", static_cast<int>(picture.model));
        json.close('}');
    }
    json.close(']');
    json.key("start").open('{');
    const hourvault::Settings start;
    json.member("model", static_cast<int>(start.model));
    json.member("format", static_cast<int>(start.format));
    json.close('}');
    json.close('}');
}

void menus(JsonWriter& json) {
    json.key("menus").open('[');
    for (const auto& menu : hourvault::mainMenus) {
        json.open('{');
        json.member("name", menu.name).member("caption", menu.caption);
        json.key("items").open('[');
        for (const auto& item : menu.items) {
            json.open('{');
            json.member("name", item.name).member("caption", item.caption);
            if (item.command) {
                json.member("command", static_cast<int>(*item.command));
                if (const auto model = hourvault::modelOf(*item.command)) {
                    json.member("model", static_cast<int>(*model));
                }
                if (const auto format = hourvault::formatOf(*item.command)) {
                    json.member("format", static_cast<int>(*format));
                }
            }
            if (item.ctrlKey != 0) {
                json.member("ctrlKey", std::string_view(&item.ctrlKey, 1));
            }
            json.close('}');
        }
        json.close(']');
        json.close('}');
    }
    json.close(']');
}

void helpWindows(JsonWriter& json) {
    json.key("helpWindows").open('[');
    const std::array windows{
        std::pair{hourvault::HelpWindowKind::about, &hourvault::aboutWindow},
        std::pair{hourvault::HelpWindowKind::glossary, &hourvault::glossaryWindow}};
    for (const auto& [kind, window] : windows) {
        json.open('{');
        json.member("kind", static_cast<int>(kind)).member("name", window->name);
        json.member("caption", window->caption).member("centred", window->centred);
        place(json, window->client);
        look(json, window->look);
        controls(json, "controls", window->controls, false);
        json.close('}');
    }
    json.close(']');
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: page_tables OUTPUT.json\n", stderr);
        return 2;
    }
    JsonWriter json;
    json.open('{');
    mainWindow(json);
    json.key("dialogFont").open('{');
    json.member("family", hourvault::layoutFont.standIn);
    json.member("pixels", hourvault::layoutFont.standInPixels);
    json.member("line", hourvault::layoutFont.linePixels);
    json.close('}');
    menus(json);
    json.key("buttons").open('{');
    json.member("calculate", static_cast<int>(hourvault::Button::calculate));
    json.member("clear", static_cast<int>(hourvault::Button::clear));
    json.close('}');
    helpWindows(json);
    json.close('}');
    if (!json.save(argv[1])) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
