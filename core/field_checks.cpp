#include "calculator.h"

namespace hourvault {

void Calculator::entryChosen(ListId list) {
    switch (list) {
    case ListId::cameras:
        cameraCountChosen();
        return;
    case ListId::resolution:
        resolutionChosen();
        return;
    case ListId::quality:
    case ListId::frameRate:
    case ListId::audio:
    case ListId::hddsize:
        blankResults();
        return;
    }
}

void Calculator::listLeft(ListId list) {
    if (list == ListId::frameRate) {
        frameRateLeft();
        return;
    }
    if (hasSelection(list)) {
        return;
    }
    blankResults();
    switch (list) {
    case ListId::cameras:
        rebuildCameraList();
        return;
    case ListId::resolution:
        rebuildResolutionList();
        return;
    case ListId::quality:
        qualityLeft();
        return;
    case ListId::audio:
    case ListId::hddsize:
    case ListId::frameRate:
        showPrompt(list);
        return;
    }
}

void Calculator::qualityLeft() {
    if (hasSelection(ListId::resolution)) {
        rebuildQualityList();
    } else {
        showPrompt(ListId::quality);
    }
}

} // namespace hourvault
