#include "main_window.h"

namespace hourvault::main_window {

const std::array<LayoutRow, 16> controls{{
    {ControlKind::button,
     "cmdCalculate",
     "Calculate",
     "Calculate",
     {3360, 3720, 2295, 495},
     Role::calculate},
    {ControlKind::button, "cmdClear", "Clear", "Clear", {3360, 4320, 2295, 375}, Role::clear},
    {ControlKind::frame,
     "resultFrame",
     "Recording Time :",
     "Recording Time",
     {6120, 3480, 2775, 1335},
     Role::resultFrame},
    {ControlKind::frame,
     "qualityFrame",
     "Picture Quality :",
     "Picture Quality",
     {3120, 1320, 2775, 855},
     Role::qualityFrame},
    {ControlKind::frame,
     "resolutionFrame",
     "Resolution :",
     "Resolution",
     {6120, 240, 2775, 855},
     Role::resolutionFrame},
    {ControlKind::frame,
     "hddsizeFrame",
     "Hard Disk Size :",
     "Hard Disk Size",
     {6120, 2400, 2775, 855},
     Role::hddsizeFrame},
    {ControlKind::frame,
     "camerasFrame",
     "# of Cameras :",
     "Number of Cameras",
     {3120, 240, 2775, 855},
     Role::camerasFrame},
    {ControlKind::frame,
     "frameRateFrame",
     "Recording Rate (IPS) :",
     "Recording Rate (images per second)",
     {6120, 1320, 2775, 855},
     Role::frameRateFrame},
    {ControlKind::frame,
     "audioFrame",
     "Audio Recording :",
     "Audio Recording",
     {3120, 2400, 2775, 855},
     Role::audioFrame},
    {ControlKind::frame, "buttonFrame", "", "Commands", {3120, 3480, 2775, 1335}},
    {ControlKind::picture, "Picture3", "banner.jpg", "Ostrel logo", {-120, 0, 2655, 855}},
    // Its caption is the format in force.
    {ControlKind::formatLabel,
     "txtFormat",
     "",
     "Video format",
     {2280, 4090, 495, 250},
     Role::format},
    {ControlKind::picture,
     "favor16",
     "favor16.jpg",
     "The recorders, TX-4160 lit",
     {0, 840, 3000, 3705},
     Role::photo16},
    {ControlKind::picture,
     "TX4160",
     "tx4160.gif",
     "TX-4160, 16 channel digital video recorder",
     {360, 4560, 2520, 480},
     Role::name16},
    {ControlKind::picture,
     "TX4090",
     "tx4090.gif",
     "TX-4090, 9 channel digital video recorder",
     {360, 4560, 2430, 480},
     Role::name9},
    {ControlKind::picture,
     "favor9",
     "favor9.jpg",
     "The recorders, TX-4090 lit",
     {0, 840, 3000, 3705},
     Role::photo9},
}};

const std::array<LayoutRow, 4> resultControls{{
    {ControlKind::label, "Label2", "days", nullptr, {950, 450, 330, 195}, Role::none, Role::days},
    {ControlKind::label,
     "Label1",
     "hours",
     nullptr,
     {2270, 930, 390, 195},
     Role::none,
     Role::hours},
    {ControlKind::resultBox,
     "txtDays",
     "",
     "Recording time in days",
     {240, 360, 615, 315},
     Role::days},
    {ControlKind::resultBox,
     "txtHours",
     "",
     "Recording time in hours",
     {1400, 840, 800, 315},
     Role::hours},
}};

const std::array<Role, 10> focusOrder{
    Role::calculate, Role::clear,      Role::audio,   Role::frameRate, Role::cameras,
    Role::hddsize,   Role::resolution, Role::quality, Role::days,      Role::hours};

Look lookOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::frame:
    case ControlKind::label:
        return look;
    case ControlKind::formatLabel:
        return {chrome::black, chrome::grey};
    case ControlKind::button:
    case ControlKind::picture:
    case ControlKind::resultBox:
        break;
    }
    return look;
}

const std::array<ModelPicture, 4> modelPictures{{
    {Role::photo16, Model::tx4160},
    {Role::name16, Model::tx4160},
    {Role::photo9, Model::tx4090},
    {Role::name9, Model::tx4090},
}};

} // namespace hourvault::main_window
