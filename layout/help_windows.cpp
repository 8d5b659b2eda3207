#include "help_windows.h"

namespace hourvault {

namespace {

// Top to bottom. The texts are shown exactly as written, runs of spaces included.
constexpr LayoutRow aboutControls[] = {
    {ControlKind::label,
     "Label1",
     "This program will help you to estimate how much recording time can be achieved with your "
     "Ostrel TX-Series DVR, given the number of video inputs, resolution, image quality level, "
     "audio sampling, and the amount of hard disk space.",
     nullptr,
     {240, 120, 4215, 855}},
    {ControlKind::label,
     "Label5",
     "Actual recording time may vary, based on motion, and other factors.  Using alarm triggers, "
     "motion activated recording or using scheduled recording will allow more recording time.",
     nullptr,
     {240, 1080, 4215, 615}},
    {ControlKind::picture,
     "Picture3",
     "brand_logo.gif",
     "Ostrel brand logo",
     {1560, 1920, 1815, 375}},
    // The window's own words, kept as they are: they are not the build's version, which
    // --version and the packages give.
    {ControlKind::label,
     "Label4",
     "Version 2.0   -   November 16, 2005",
     nullptr,
     {120, 2400, 4455, 255}},
    {ControlKind::label,
     "Label6",
     "(Updated for TX-4160 and TX-4090 DVRs)",
     nullptr,
     {120, 2640, 4455, 255}},
    {ControlKind::label, "Label3", "Ostrel Security Systems, Inc.", nullptr, {0, 3480, 4695, 255}},
    // Made after Label3, so it lies on top of the label's first pixel row, which it overlaps.
    {ControlKind::picture,
     "Picture1",
     "company_logo.gif",
     "Ostrel company logo",
     {1868, 3120, 975, 375}},
    {ControlKind::button, "Command1", "OK", "OK", {1628, 3960, 1455, 495}, Role::ok},
};

// Each term labels its explanation, which shares its Top. Every term is 1335 x 255 twips at
// Left 735; every explanation is 6255 wide at Left 2175.
constexpr LayoutRow term(int top, const char* name, const char* text, Role explanation) {
    return {ControlKind::label,    name,       text,       nullptr,
            {735, top, 1335, 255}, Role::none, explanation};
}

constexpr LayoutRow explanation(int top, const char* name, Role role, int height,
                                const char* text) {
    return {ControlKind::label, name, text, nullptr, {2175, top, 6255, height}, role};
}

// Top to bottom. The texts are shown exactly as written, runs of spaces and slips included.
constexpr LayoutRow glossaryControls[] = {
    term(240, "Label6", "# of Cameras :   ", Role::camerasExplained),
    explanation(240, "Label8", Role::camerasExplained, 495,
                "This is the number of cameras that are connected to the DVR.   (1 to 16, default "
                ": 1)       "
                "Note:  The TX-4090 will only support up to 9 cameras."),
    term(840, "Label7", "Resolution  :", Role::resolutionExplained),
    explanation(
        840, "Label1", Role::resolutionExplained, 615,
        "This represents the size of the image, in pixels.  The available resolutions on this DVR  "
        "   "
        "are 360 x 240 (CIF) and 720 x 240 (2CIF).  The resolution, and the number of cameras will "
        "determine the available recording rates of each video source."),
    term(1680, "Label9", "Picture Quality : ", Role::qualityExplained),
    explanation(1680, "Label2", Role::qualityExplained, 615,
                "This is the setting that controls the quality of the picture you are capturing.  "
                "The highest "
                "quality setting will use the most hard disk space.  The lowest quality setting "
                "will use up "
                "the least amount of hard disk space.  (Q7 - High, Q4 - Average, Q1 - Low)"),
    term(2520, "Label10", "Recording Rate : ", Role::frameRateExplained),
    explanation(
        2520, "Label3", Role::frameRateExplained, 615,
        "This is the number of images captured per second.   The higher the recording rate, the "
        "smoother the video will be during playback.  A lower recording rate will conserve hard "
        "disk "
        "space and lengthen recording time, but may be choppy upon playack."),
    term(3360, "Label11", "Audio Quality :", Role::audioExplained),
    explanation(
        3360, "Label5", Role::audioExplained, 375,
        "This is the sampling rate of the audio recording being performed by the DVR.              "
        "You may select 'No Audio', '8 kHz Audio (8kb/sec)' and '12 kHz Audio (12kb/sec)."),
    term(3960, "Label12", "HDD Size :", Role::hddsizeExplained),
    explanation(3960, "Label4", Role::hddsizeExplained, 375,
                "Ostrel DVRs work with hard disk sizes of 40GB, 80GB, 120GB, 160GB, 250GB, 300GB.  "
                " TX-4160 "
                "and TX-4090 can support up to 4 internal HDDs  (up to 1.2TB) "),
    {ControlKind::button, "Command1", "OK", "OK", {3735, 4560, 1695, 615}, Role::ok},
};

} // namespace

const HelpWindowSpec aboutWindow{
    "about",      "About this program...", {0, 0, 4710, 4590}, {chrome::white, chrome::black}, true,
    aboutControls};

const HelpWindowSpec glossaryWindow{
    "glossary", "Glossary of Terms", {0, 0, 9165, 5415}, {chrome::black, chrome::white},
    false,      glossaryControls};

} // namespace hourvault
