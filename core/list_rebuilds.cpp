#include "calculator.h"
#include "decimal_text.h"
#include "option_tables.h"

namespace hourvault {

void Calculator::startUp() {
    settings_ = Settings{};
    resetInputs();
}

void Calculator::resetInputs() {
    blankResults();
    rebuildCameraList();
    emptyToPrompt(ListId::quality);
    emptyToPrompt(ListId::frameRate);
    rebuildAudioList();
    rebuildHddSizeList();
    rebuildResolutionList();
}

void Calculator::selectModel(Model model) {
    settings_.model = model;
    resetInputs();
}

void Calculator::selectFormat(Format format) {
    settings_.format = format;
    resetInputs();
}

void Calculator::rebuildCameraList() {
    window_.clearList(ListId::cameras);
    for (int count = 1; count <= settings_.channelCount(); ++count) {
        window_.appendEntry(ListId::cameras, integerText(count));
    }
    showPrompt(ListId::cameras);
}

void Calculator::rebuildResolutionList() {
    window_.clearList(ListId::resolution);
    for (const std::string_view text : resolutionEntries(settings_.format)) {
        window_.appendEntry(ListId::resolution, text);
    }
    showPrompt(ListId::resolution);
}

void Calculator::rebuildAudioList() {
    window_.clearList(ListId::audio);
    for (const Option& option : audioEntries) {
        window_.appendEntry(ListId::audio, option.text);
    }
    showPrompt(ListId::audio);
}

void Calculator::rebuildHddSizeList() {
    window_.clearList(ListId::hddsize);
    for (const Option& option : hddSizeEntries(settings_.format)) {
        window_.appendEntry(ListId::hddsize, option.text);
    }
    showPrompt(ListId::hddsize);
}

void Calculator::emptyToPrompt(ListId list) {
    window_.clearList(list);
    showPrompt(list);
}

void Calculator::blankResults() {
    window_.setResultText(ResultBox::hours, {});
    window_.setResultText(ResultBox::days, {});
}

void Calculator::showPrompt(ListId list) {
    window_.setShownText(list, textsOf(list).prompt);
}

bool Calculator::hasSelection(ListId list) const {
    return window_.selectionIndex(list) >= 0;
}

} // namespace hourvault
