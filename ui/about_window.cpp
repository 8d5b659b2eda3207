#include "about_window.h"

#include "look.h"

namespace hourvault {

namespace {

// Top to bottom. The texts are shown exactly as written, runs of spaces included.
constexpr ControlSpec controls[] = {
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
     ":/brand_logo.gif",
     "Ostrel brand logo",
     {1560, 1920, 1815, 375}},
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
     ":/company_logo.gif",
     "Ostrel company logo",
     {1868, 3120, 975, 375}},
    {ControlKind::button, "Command1", "OK", "OK", {1628, 3960, 1455, 495}},
};

} // namespace

AboutWindow::AboutWindow()
    : HelpWindow("about", "About this program...", {0, 0, 4710, 4590},
                 {chrome::white, chrome::black, Qt::AlignHCenter | Qt::AlignTop}, controls) {}

} // namespace hourvault
