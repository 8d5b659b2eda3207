#include "main_layout.h"

#include "diagonal_line.h"
#include "frame.h"
#include "look.h"
#include "main_window.h"
#include "option_list.h"
#include "pixels.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace hourvault {

namespace {

// Makes a control of the main window inside its client area or a frame there.
QWidget* makeControl(const LayoutRow& spec, QWidget& client) {
    const Look look = main_window::lookOf(spec.kind);
    switch (spec.kind) {
    case ControlKind::button:
        return makeButton(spec, client);
    case ControlKind::picture:
        return makePicture(spec, client);
    case ControlKind::frame: {
        auto* frame = new Frame(QString::fromUtf8(spec.text), &client);
        paintChrome(*frame, look);
        applySpec(*frame, spec);
        return frame;
    }
    case ControlKind::label: {
        auto* label = new QLabel(QString::fromUtf8(spec.text), &client);
        paintChrome(*label, look);
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
        // Its caption is the format in force, which the window shows once it is built.
        auto* label = new QLabel(&client);
        // Helvetica's metric twin, which the program installs. Asking for Helvetica itself falls
        // through fontconfig to whatever stands in for it on the machine.
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::Helvetica);
        font.setPointSizeF(main_window::formatFont.points);
        font.setBold(main_window::formatFont.bold);
        label->setFont(font);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paintChrome(*label, look);
        applySpec(*label, spec);
        return label;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

MainControls buildMainLayout(QWidget& client) {
    MainControls controls;
    BuiltControls& built = controls.byRole;
    // Later siblings lie on top, so the bottom of each stack is made first.
    std::for_each(main_window::controls.rbegin(), main_window::controls.rend(),
                  [&](const LayoutRow& spec) { built.add(spec, *makeControl(spec, client)); });

    for (const main_window::ListPlace& place : main_window::listPlaces) {
        auto& frame = built.at<QGroupBox>(place.frame);
        auto* list = new OptionList(&frame);
        list->setObjectName(QString::fromUtf8(place.name));
        list->setAccessibleName(frame.accessibleName());
        list->setGeometry(pixelRect(main_window::listPlace));
        built.add(place.role, *list);
        controls.lists.at(indexOf(place.list)) = list;
    }

    auto& result = built.at<QGroupBox>(Role::resultFrame);
    for (const LayoutRow& spec : main_window::resultControls) {
        built.add(spec, *makeControl(spec, result));
    }
    built.tieLabels();
    const main_window::LineSpec& spec = main_window::line;
    auto* line =
        new DiagonalLine(pixelPoint(spec.from), pixelPoint(spec.to), toColor(spec.colour), result);
    line->setObjectName(QString::fromUtf8(spec.name));
    line->setAccessibleName(QString::fromUtf8(spec.accessibleText));

    controls.days = &built.at<QLineEdit>(Role::days);
    controls.hours = &built.at<QLineEdit>(Role::hours);
    controls.calculate = &built.at<QPushButton>(Role::calculate);
    controls.clear = &built.at<QPushButton>(Role::clear);
    controls.format = &built.at<QLabel>(Role::format);

    const auto& order = main_window::focusOrder;
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(&built.at<QWidget>(order.at(i)), &built.at<QWidget>(order.at(i + 1)));
    }
    return controls;
}

} // namespace hourvault
