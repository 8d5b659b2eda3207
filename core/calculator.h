#pragma once

#include "settings.h"
#include "window_primitives.h"

#include <string_view>

namespace hourvault {

// The calculator's behaviour on the six lists and two result boxes of a window. It holds the
// one instance of the settings; everything else it reads from and writes to the window.
class Calculator {
public:
    explicit Calculator(WindowPrimitives& window) : window_(window) {}

    [[nodiscard]] const Settings& settings() const { return settings_; }

    // NTSC and the 16-channel model, every list rebuilt and showing its prompt.
    void startUp();

    void resetInputs();
    void selectModel(Model model);
    void selectFormat(Format format);

    // A real pick in a list's drop-down (mouse or arrow keys).
    void entryChosen(ListId list);
    // The list was left: the focus moved from it to another control of the window, or text
    // arrived in it while no one was typing there (ListLeaveRule says when).
    void listLeft(ListId list);

    // The Calculate command: either names the first list without a choice (message, then the
    // focus to that list) or shows the recording time.
    void calculate(std::string_view decimalSeparator);

private:
    void rebuildCameraList();
    void rebuildResolutionList();
    void rebuildAudioList();
    void rebuildHddSizeList();
    void emptyToPrompt(ListId list);

    void rebuildRateList();
    void rebuildQualityList();

    void blankResults();
    void showPrompt(ListId list);
    [[nodiscard]] bool hasSelection(ListId list) const;

    void cameraCountChosen();
    void resolutionChosen();
    void frameRateLeft();
    void qualityLeft();

    WindowPrimitives& window_;
    Settings settings_;
};

} // namespace hourvault
