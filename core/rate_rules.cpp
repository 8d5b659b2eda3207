#include "calculator.h"
#include "decimal_text.h"
#include "option_tables.h"
#include "rate_tables.h"

namespace hourvault {

void Calculator::rebuildRateList() {
    const int cameraIndex = window_.selectionIndex(ListId::cameras);
    if (cameraIndex < 0) {
        return;
    }
    const int highest =
        highestRate(settings_.format, window_.selectionIndex(ListId::resolution), cameraIndex + 1);
    // An index the tables have no row for leaves the list alone, like a missing choice.
    if (highest == 0) {
        return;
    }
    window_.clearList(ListId::frameRate);
    for (const int rate : rateEntries(settings_.format, highest)) {
        window_.appendEntry(ListId::frameRate, integerText(rate));
    }
    showPrompt(ListId::frameRate);
}

void Calculator::rebuildQualityList() {
    const auto entries = qualityEntries(window_.selectionIndex(ListId::resolution));
    if (entries.empty()) {
        return;
    }
    window_.clearList(ListId::quality);
    for (const Option& option : entries) {
        window_.appendEntry(ListId::quality, option.text);
    }
    showPrompt(ListId::quality);
}

void Calculator::cameraCountChosen() {
    blankResults();
    if (hasSelection(ListId::resolution)) {
        rebuildRateList();
    }
}

void Calculator::resolutionChosen() {
    blankResults();
    if (!hasSelection(ListId::resolution)) {
        return;
    }
    rebuildQualityList();
    rebuildRateList();
}

void Calculator::frameRateLeft() {
    if (hasSelection(ListId::frameRate)) {
        return;
    }
    blankResults();
    if (!hasSelection(ListId::resolution)) {
        showPrompt(ListId::frameRate);
        return;
    }
    // Without a camera count this leaves a typed text in place; it still counts as no choice.
    rebuildRateList();
}

} // namespace hourvault
