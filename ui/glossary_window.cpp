#include "glossary_window.h"

#include "look.h"
#include "twips.h"

#include <QLabel>

namespace hourvault {

namespace {

// Every term label is 1335 x 255 twips at Left 735; every explanation is 6255 wide at Left 2175.
struct Row {
    int top; // twips, shared by the term and its explanation
    const char* termName;
    const char* term;
    const char* explanationName;
    int explanationHeight; // twips
    const char* explanation;
};

// Top to bottom. The texts are shown exactly as written, runs of spaces and slips included.
constexpr Row rows[] = {
    {240, "Label6", "# of Cameras :   ", "Label8", 495,
     "This is the number of cameras that are connected to the DVR.   (1 to 16, default : 1)       "
     "Note:  The TX-4090 will only support up to 9 cameras."},
    {840, "Label7", "Resolution  :", "Label1", 615,
     "This represents the size of the image, in pixels.  The available resolutions on this DVR     "
     "are 360 x 240 (CIF) and 720 x 240 (2CIF).  The resolution, and the number of cameras will "
     "determine the available recording rates of each video source."},
    {1680, "Label9", "Picture Quality : ", "Label2", 615,
     "This is the setting that controls the quality of the picture you are capturing.  The highest "
     "quality setting will use the most hard disk space.  The lowest quality setting will use up "
     "the least amount of hard disk space.  (Q7 - High, Q4 - Average, Q1 - Low)"},
    {2520, "Label10", "Recording Rate : ", "Label3", 615,
     "This is the number of images captured per second.   The higher the recording rate, the "
     "smoother the video will be during playback.  A lower recording rate will conserve hard disk "
     "space and lengthen recording time, but may be choppy upon playack."},
    {3360, "Label11", "Audio Quality :", "Label5", 375,
     "This is the sampling rate of the audio recording being performed by the DVR.              "
     "You may select 'No Audio', '8 kHz Audio (8kb/sec)' and '12 kHz Audio (12kb/sec)."},
    {3960, "Label12", "HDD Size :", "Label4", 375,
     "Ostrel DVRs work with hard disk sizes of 40GB, 80GB, 120GB, 160GB, 250GB, 300GB.   TX-4160 "
     "and TX-4090 can support up to 4 internal HDDs  (up to 1.2TB) "},
};

} // namespace

GlossaryWindow::GlossaryWindow()
    : HelpWindow(QStringLiteral("glossary"), QStringLiteral("Glossary of Terms"),
                 QSize(twips(9165), twips(5415)), chrome::black) {
    constexpr Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    for (const Row& row : rows) {
        addLabel(QString::fromUtf8(row.termName), QString::fromUtf8(row.term),
                 QRect(735, row.top, 1335, 255), alignment, chrome::black, chrome::white);
        addLabel(QString::fromUtf8(row.explanationName), QString::fromUtf8(row.explanation),
                 QRect(2175, row.top, 6255, row.explanationHeight), alignment, chrome::black,
                 chrome::white);
    }
    addOkButton(QRect(3735, 4560, 1695, 615));
}

} // namespace hourvault
