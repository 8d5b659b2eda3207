#include "control_table.h"

#include "pictures.h"
#include "pixels.h"

#include <QLabel>
#include <QPushButton>

namespace hourvault {

void BuiltControls::add(Role role, QWidget& control, Role labelFor) {
    if (role != Role::none) {
        QWidget*& slot = byRole_.at(static_cast<std::size_t>(role));
        Q_ASSERT_X(slot == nullptr, "BuiltControls::add", "two controls with one role");
        slot = &control;
    }
    if (labelFor != Role::none) {
        auto* label = qobject_cast<QLabel*>(&control);
        Q_ASSERT_X(label != nullptr, "BuiltControls::add", "only a label names another control");
        ties_.emplace_back(label, labelFor);
    }
}

void BuiltControls::tieLabels() const {
    for (const auto& [label, named] : ties_) {
        label->setBuddy(&at<QWidget>(named));
    }
}

void applySpec(QWidget& control, const LayoutRow& spec) {
    control.setObjectName(QString::fromUtf8(spec.name));
    if (spec.accessibleText != nullptr) {
        const QString text = QString::fromUtf8(spec.accessibleText);
        // Naming a label would hide its text from assistive tools.
        if (spec.kind == ControlKind::label || spec.kind == ControlKind::formatLabel) {
            control.setAccessibleDescription(text);
        } else {
            control.setAccessibleName(text);
        }
    }
    control.setGeometry(pixelRect(spec.place));
}

QPushButton* makeButton(const LayoutRow& spec, QWidget& parent) {
    auto* button = new QPushButton(QString::fromUtf8(spec.text), &parent);
    // Outside a dialog a push button ignores Enter unless it is auto-default.
    button->setAutoDefault(true);
    applySpec(*button, spec);
    return button;
}

QLabel* makePicture(const LayoutRow& spec, QWidget& parent) {
    // The pictures are built into the program, each under its file name.
    auto* picture = new PictureBox(QStringLiteral(":/") + QString::fromUtf8(spec.text), &parent);
    applySpec(*picture, spec);
    return picture;
}

} // namespace hourvault
