#include "main_layout.h"

#include "control_table.h"
#include "diagonal_line.h"
#include "frame.h"
#include "look.h"
#include "option_list.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace hourvault {

namespace {

// The client area's own controls; where two overlap, the one listed first lies on top.
constexpr std::array windowControls{
    ControlSpec{ControlKind::button,
                "cmdCalculate",
                "Calculate",
                "Calculate",
                {3360, 3720, 2295, 495},
                Role::calculate},
    ControlSpec{
        ControlKind::button, "cmdClear", "Clear", "Clear", {3360, 4320, 2295, 375}, Role::clear},
    ControlSpec{ControlKind::frame,
                "resultFrame",
                "Recording Time :",
                "Recording Time",
                {6120, 3480, 2775, 1335},
                Role::resultFrame},
    ControlSpec{ControlKind::frame,
                "qualityFrame",
                "Picture Quality :",
                "Picture Quality",
                {3120, 1320, 2775, 855},
                Role::qualityFrame},
    ControlSpec{ControlKind::frame,
                "resolutionFrame",
                "Resolution :",
                "Resolution",
                {6120, 240, 2775, 855},
                Role::resolutionFrame},
    ControlSpec{ControlKind::frame,
                "hddsizeFrame",
                "Hard Disk Size :",
                "Hard Disk Size",
                {6120, 2400, 2775, 855},
                Role::hddsizeFrame},
    ControlSpec{ControlKind::frame,
                "camerasFrame",
                "# of Cameras :",
                "Number of Cameras",
                {3120, 240, 2775, 855},
                Role::camerasFrame},
    ControlSpec{ControlKind::frame,
                "frameRateFrame",
                "Recording Rate (IPS) :",
                "Recording Rate (images per second)",
                {6120, 1320, 2775, 855},
                Role::frameRateFrame},
    ControlSpec{ControlKind::frame,
                "audioFrame",
                "Audio Recording :",
                "Audio Recording",
                {3120, 2400, 2775, 855},
                Role::audioFrame},
    ControlSpec{ControlKind::frame, "buttonFrame", "", "Commands", {3120, 3480, 2775, 1335}},
    ControlSpec{
        ControlKind::picture, "Picture3", ":/banner.jpg", "Ostrel logo", {-120, 0, 2655, 855}},
    ControlSpec{ControlKind::formatLabel,
                "txtFormat",
                "",
                "Video format",
                {2280, 4090, 495, 250},
                Role::format},
    ControlSpec{ControlKind::picture,
                "favor16",
                ":/favor16.jpg",
                "The recorders, TX-4160 lit",
                {0, 840, 3000, 3705},
                Role::photo16},
    ControlSpec{ControlKind::picture,
                "TX4160",
                ":/tx4160.gif",
                "TX-4160, 16 channel digital video recorder",
                {360, 4560, 2520, 480},
                Role::name16},
    ControlSpec{ControlKind::picture,
                "TX4090",
                ":/tx4090.gif",
                "TX-4090, 9 channel digital video recorder",
                {360, 4560, 2430, 480},
                Role::name9},
    ControlSpec{ControlKind::picture,
                "favor9",
                ":/favor9.jpg",
                "The recorders, TX-4090 lit",
                {0, 840, 3000, 3705},
                Role::photo9},
};

// The result frame's own controls, in twips from the frame's corner; each unit names its box.
constexpr std::array resultControls{
    ControlSpec{ControlKind::label,
                "Label2",
                "days",
                nullptr,
                {950, 450, 330, 195},
                Role::none,
                Role::days},
    ControlSpec{ControlKind::label,
                "Label1",
                "hours",
                nullptr,
                {2270, 930, 390, 195},
                Role::none,
                Role::hours},
    ControlSpec{ControlKind::resultBox,
                "txtDays",
                "",
                "Recording time in days",
                {240, 360, 615, 315},
                Role::days},
    ControlSpec{ControlKind::resultBox,
                "txtHours",
                "",
                "Recording time in hours",
                {1400, 840, 800, 315},
                Role::hours},
};

// Each list sits at the same place inside a frame of its own.
struct ListPlace {
    ListId list;
    const char* name;
    Role role;
    Role frame;
};

constexpr std::array listPlaces{
    ListPlace{ListId::cameras, "cameras", Role::cameras, Role::camerasFrame},
    ListPlace{ListId::resolution, "resolution", Role::resolution, Role::resolutionFrame},
    ListPlace{ListId::quality, "quality", Role::quality, Role::qualityFrame},
    ListPlace{ListId::frameRate, "frameRate", Role::frameRate, Role::frameRateFrame},
    ListPlace{ListId::audio, "audio", Role::audio, Role::audioFrame},
    ListPlace{ListId::hddsize, "hddsize", Role::hddsize, Role::hddsizeFrame},
};
constexpr QRect listRect = TwipsRect{240, 360, 2295, 315}.pixels();

// Tab and Shift+Tab visit the controls in this order, from Calculate round again.
constexpr std::array focusOrder{Role::calculate, Role::clear,   Role::audio,      Role::frameRate,
                                Role::cameras,   Role::hddsize, Role::resolution, Role::quality,
                                Role::days,      Role::hours};

// Makes a control of the main window inside its client area or a frame there.
QWidget* makeControl(const ControlSpec& spec, QWidget& client) {
    switch (spec.kind) {
    case ControlKind::button:
        return makeButton(spec, client);
    case ControlKind::picture:
        return makePicture(spec, client);
    case ControlKind::frame: {
        auto* frame = new Frame(QString::fromUtf8(spec.text), &client);
        paintChrome(*frame, chrome::black, chrome::white);
        applySpec(*frame, spec);
        return frame;
    }
    case ControlKind::label: {
        auto* label = new QLabel(QString::fromUtf8(spec.text), &client);
        paintChrome(*label, chrome::black, chrome::white);
        applySpec(*label, spec);
        return label;
    }
    case ControlKind::resultBox: {
        auto* box = new QLineEdit(&client);
        box->setReadOnly(true);
        applySpec(*box, spec);
        return box;
    }
    case ControlKind::formatLabel: {
        // The window opens in NTSC.
        auto* label = new QLabel(formatCaption(true), &client);
        // Helvetica's metric twin, which the program installs. Asking for Helvetica itself falls
        // through fontconfig to whatever stands in for it on the machine.
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::Helvetica);
        font.setPointSizeF(8.25);
        font.setBold(true);
        label->setFont(font);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paintChrome(*label, chrome::black, chrome::grey);
        applySpec(*label, spec);
        return label;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

MainControls buildMainLayout(QWidget& client) {
    BuiltControls built;
    // Later siblings lie on top, so the bottom of each stack is made first.
    std::for_each(windowControls.rbegin(), windowControls.rend(),
                  [&](const ControlSpec& spec) { built.add(spec, *makeControl(spec, client)); });

    MainControls controls;
    for (const ListPlace& place : listPlaces) {
        auto& frame = built.at<QGroupBox>(place.frame);
        auto* list = new OptionList(&frame);
        list->setObjectName(QString::fromUtf8(place.name));
        list->setAccessibleName(frame.accessibleName());
        list->setGeometry(listRect);
        built.add(place.role, *list);
        controls.lists.at(indexOf(place.list)) = list;
    }

    auto& result = built.at<QGroupBox>(Role::resultFrame);
    for (const ControlSpec& spec : resultControls) {
        built.add(spec, *makeControl(spec, result));
    }
    built.tieLabels();
    auto* line =
        new DiagonalLine(twipsPoint(0, 1320), twipsPoint(2760, 120), chrome::white, result);
    line->setObjectName(QStringLiteral("Line1"));
    line->setAccessibleName(QStringLiteral("Divider"));

    controls.days = &built.at<QLineEdit>(Role::days);
    controls.hours = &built.at<QLineEdit>(Role::hours);
    controls.calculate = &built.at<QPushButton>(Role::calculate);
    controls.clear = &built.at<QPushButton>(Role::clear);
    controls.format = &built.at<QLabel>(Role::format);
    controls.photo16 = &built.at<QLabel>(Role::photo16);
    controls.photo9 = &built.at<QLabel>(Role::photo9);
    controls.name16 = &built.at<QLabel>(Role::name16);
    controls.name9 = &built.at<QLabel>(Role::name9);
    // The 9-channel name plate starts hidden; the photographs are set by the start-up.
    controls.name9->hide();

    for (std::size_t i = 0; i + 1 < focusOrder.size(); ++i) {
        QWidget::setTabOrder(&built.at<QWidget>(focusOrder.at(i)),
                             &built.at<QWidget>(focusOrder.at(i + 1)));
    }
    return controls;
}

QString formatCaption(bool isNtsc) {
    return isNtsc ? QStringLiteral("NTSC") : QStringLiteral("PAL");
}

} // namespace hourvault
