#pragma once

// Every label of the About and Glossary windows with its exact text, runs of spaces and slips
// included, as both front-ends' tests expect them. Kept apart from the program's own tables, so
// that a slip there shows.

namespace hourvault::expected {

struct ExpectedText {
    const char* window;
    const char* name;
    const char* text;
};

inline constexpr ExpectedText helpTexts[] = {
    {"about", "Label1",
     "This program will help you to estimate how much recording time can be achieved with your "
     "Ostrel TX-Series DVR, given the number of video inputs, resolution, image quality level, "
     "audio sampling, and the amount of hard disk space."},
    {"about", "Label5",
     "Actual recording time may vary, based on motion, and other factors.  Using alarm triggers, "
     "motion activated recording or using scheduled recording will allow more recording time."},
    {"about", "Label4", "Version 2.0   -   November 16, 2005"},
    {"about", "Label6", "(Updated for TX-4160 and TX-4090 DVRs)"},
    {"about", "Label3", "Ostrel Security Systems, Inc."},
    {"glossary", "Label6", "# of Cameras :   "},
    {"glossary", "Label8",
     "This is the number of cameras that are connected to the DVR.   (1 to 16, default : 1)       "
     "Note:  The TX-4090 will only support up to 9 cameras."},
    {"glossary", "Label7", "Resolution  :"},
    {"glossary", "Label1",
     "This represents the size of the image, in pixels.  The available resolutions on this DVR     "
     "are 360 x 240 (CIF) and 720 x 240 (2CIF).  The resolution, and the number of cameras will "
     "determine the available recording rates of each video source."},
    {"glossary", "Label9", "Picture Quality : "},
    {"glossary", "Label2",
     "This is the setting that controls the quality of the picture you are capturing.  The highest "
     "quality setting will use the most hard disk space.  The lowest quality setting will use up "
     "the least amount of hard disk space.  (Q7 - High, Q4 - Average, Q1 - Low)"},
    {"glossary", "Label10", "Recording Rate : "},
    {"glossary", "Label3",
     "This is the number of images captured per second.   The higher the recording rate, the "
     "smoother the video will be during playback.  A lower recording rate will conserve hard disk "
     "space and lengthen recording time, but may be choppy upon playack."},
    {"glossary", "Label11", "Audio Quality :"},
    {"glossary", "Label5",
     "This is the sampling rate of the audio recording being performed by the DVR.              "
     "You may select 'No Audio', '8 kHz Audio (8kb/sec)' and '12 kHz Audio (12kb/sec)."},
    {"glossary", "Label12", "HDD Size :"},
    {"glossary", "Label4",
     "Ostrel DVRs work with hard disk sizes of 40GB, 80GB, 120GB, 160GB, 250GB, 300GB.   TX-4160 "
     "and TX-4090 can support up to 4 internal HDDs  (up to 1.2TB) "},
};

} // namespace hourvault::expected
