#include "about_window.h"

#include "look.h"
#include "twips.h"

#include <QLabel>

namespace hourvault {

namespace {

struct TextRow {
    const char* name;
    int left, top, width, height; // twips
    const char* text;
};

// Top to bottom. The texts are shown exactly as written, runs of spaces included.
constexpr TextRow textRows[] = {
    {"Label1", 240, 120, 4215, 855,
     "This program will help you to estimate how much recording time can be achieved with your "
     "Ostrel TX-Series DVR, given the number of video inputs, resolution, image quality level, "
     "audio sampling, and the amount of hard disk space."},
    {"Label5", 240, 1080, 4215, 615,
     "Actual recording time may vary, based on motion, and other factors.  Using alarm triggers, "
     "motion activated recording or using scheduled recording will allow more recording time."},
    {"Label4", 120, 2400, 4455, 255, "Version 2.0   -   November 16, 2005"},
    {"Label6", 120, 2640, 4455, 255, "(Updated for TX-4160 and TX-4090 DVRs)"},
    {"Label3", 0, 3480, 4695, 255, "Ostrel Security Systems, Inc."},
};

} // namespace

AboutWindow::AboutWindow()
    : HelpWindow(QStringLiteral("about"), QStringLiteral("About this program..."),
                 QSize(twips(4710), twips(4590)), chrome::white) {
    for (const TextRow& row : textRows) {
        addLabel(QString::fromUtf8(row.name), QString::fromUtf8(row.text),
                 QRect(row.left, row.top, row.width, row.height), Qt::AlignHCenter | Qt::AlignTop,
                 chrome::white, chrome::black);
    }
    addPicture(QStringLiteral("Picture3"), QStringLiteral(":/brand_logo.gif"),
               QRect(1560, 1920, 1815, 375), QStringLiteral("Ostrel brand logo"));
    // Made after Label3, so it lies on top of the label's first pixel row, which it overlaps.
    addPicture(QStringLiteral("Picture1"), QStringLiteral(":/company_logo.gif"),
               QRect(1868, 3120, 975, 375), QStringLiteral("Ostrel company logo"));
    addOkButton(QRect(1628, 3960, 1455, 495));
}

} // namespace hourvault
