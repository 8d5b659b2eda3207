// The main window in a browser page: the controller drives the page's controls through the
// calls below, and the page reports its users' input through the hv_ functions.

#include "main_window_controller.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

// The page's side, in app.js: Module.page. Texts cross as UTF-8, with their length on the way in.
// clang-format off
EM_JS(int, pageSelectionIndex, (int list), { return Module.page.selectionIndex(list); });
// A text the page shows (0: a list's, 1: a result box's, 2: the decimal separator), copied
// into memory the caller frees.
EM_JS(char*, pageText, (int what, int which), {
    var text = Module.page.text(what, which);
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, pageClearList, (int list), { Module.page.clearList(list); });
EM_JS(void, pageAppendEntry, (int list, const char* text, int size), {
    Module.page.appendEntry(list, UTF8ToString(text, size));
});
EM_JS(void, pageSetShownText, (int list, const char* text, int size), {
    Module.page.setShownText(list, UTF8ToString(text, size));
});
EM_JS(void, pageSetResultText, (int box, const char* text, int size), {
    Module.page.setResultText(box, UTF8ToString(text, size));
});
EM_JS(void, pageFocusList, (int list), { Module.page.focusList(list); });
EM_JS(void, pageShowMessage, (const char* text, int textSize, const char* title, int titleSize), {
    Module.page.showMessage(UTF8ToString(text, textSize), UTF8ToString(title, titleSize));
});
EM_JS(void, pageShowSettings, (int model, int format), {
    Module.page.showSettings(model, format);
});
EM_JS(void, pageEnableCommands, (int enabled), { Module.page.enableCommands(!!enabled); });
EM_JS(void, pageOpenHelpWindow, (int which), { Module.page.openHelpWindow(which); });
EM_JS(void, pageEndProgram, (), { Module.page.endProgram(); });
// clang-format on

enum class PageText { shown, result, decimalSeparator };

std::string pageText(PageText what, int which = 0) {
    char* text = pageText(static_cast<int>(what), which);
    std::string copy = text != nullptr ? text : "";
    std::free(text);
    return copy;
}

int sizeOf(std::string_view text) {
    return static_cast<int>(text.size());
}

class PageWindow final : public hourvault::MainWindowOperations {
public:
    [[nodiscard]] int selectionIndex(hourvault::ListId list) const override {
        return pageSelectionIndex(number(list));
    }
    [[nodiscard]] std::string shownText(hourvault::ListId list) const override {
        return pageText(PageText::shown, number(list));
    }
    void clearList(hourvault::ListId list) override { pageClearList(number(list)); }
    void appendEntry(hourvault::ListId list, std::string_view text) override {
        pageAppendEntry(number(list), text.data(), sizeOf(text));
    }
    void setShownText(hourvault::ListId list, std::string_view text) override {
        pageSetShownText(number(list), text.data(), sizeOf(text));
    }
    void setResultText(hourvault::ResultBox box, std::string_view text) override {
        pageSetResultText(static_cast<int>(box), text.data(), sizeOf(text));
    }
    void focusList(hourvault::ListId list) override { pageFocusList(number(list)); }
    void showMessage(std::string_view text, std::string_view title) override {
        pageShowMessage(text.data(), sizeOf(text), title.data(), sizeOf(title));
    }
    void showSettings(const hourvault::Settings& settings) override {
        pageShowSettings(static_cast<int>(settings.model), static_cast<int>(settings.format));
    }
    void enableCommands(bool enabled) override { pageEnableCommands(enabled ? 1 : 0); }
    void openHelpWindow(hourvault::HelpWindowKind which) override {
        pageOpenHelpWindow(static_cast<int>(which));
    }
    void endProgram() override { pageEndProgram(); }
    [[nodiscard]] std::string resultText(hourvault::ResultBox box) const override {
        return pageText(PageText::result, static_cast<int>(box));
    }
    [[nodiscard]] std::string decimalSeparator() const override {
        return pageText(PageText::decimalSeparator);
    }

private:
    static int number(hourvault::ListId list) { return static_cast<int>(list); }
};

struct Program {
    PageWindow window;
    hourvault::MainWindowController controller{window};
};

// From hv_start to the end of the page; after Exit the page lets go of the whole module.
std::unique_ptr<Program> program;

std::optional<hourvault::ListId> listOf(int number) {
    if (number < 0 || number >= static_cast<int>(hourvault::listCount)) {
        return std::nullopt;
    }
    return static_cast<hourvault::ListId>(number);
}

} // namespace

// What the page reports. Numbers out of range are ignored: the page is not trusted to be right.
extern "C" {

EMSCRIPTEN_KEEPALIVE void hv_start() {
    program = std::make_unique<Program>();
    program->controller.startUp();
}

EMSCRIPTEN_KEEPALIVE void hv_command(int command) {
    const int first = static_cast<int>(hourvault::Command::clear);
    if (program && command >= first &&
        command < first + static_cast<int>(hourvault::commandCount)) {
        program->controller.command(static_cast<hourvault::Command>(command));
    }
}

EMSCRIPTEN_KEEPALIVE void hv_pressed(int button) {
    if (program && (button == static_cast<int>(hourvault::Button::calculate) ||
                    button == static_cast<int>(hourvault::Button::clear))) {
        program->controller.pressed(static_cast<hourvault::Button>(button));
    }
}

EMSCRIPTEN_KEEPALIVE void hv_entry_chosen(int list) {
    if (const auto id = listOf(list); program && id) {
        program->controller.entryChosen(*id);
    }
}

// -1: another control of the window than a list.
EMSCRIPTEN_KEEPALIVE void hv_focus_arrived(int list) {
    if (program) {
        program->controller.focusArrived(listOf(list));
    }
}

EMSCRIPTEN_KEEPALIVE void hv_text_arrived(int list, int listHoldsFocus) {
    if (const auto id = listOf(list); program && id) {
        program->controller.textArrived(*id, listHoldsFocus != 0);
    }
}

EMSCRIPTEN_KEEPALIVE void hv_help_window_closed() {
    if (program) {
        program->controller.helpWindowClosed();
    }
}

} // extern "C"
