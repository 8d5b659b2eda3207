#include "control_table.h"

#include "pictures.h"

#include <QLabel>
#include <QPushButton>

namespace hourvault {

void applySpec(QWidget& control, const ControlSpec& spec) {
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
    control.setGeometry(spec.place.pixels());
}

QPushButton* makeButton(const ControlSpec& spec, QWidget& parent) {
    auto* button = new QPushButton(QString::fromUtf8(spec.text), &parent);
    // Outside a dialog a push button ignores Enter unless it is auto-default.
    button->setAutoDefault(true);
    applySpec(*button, spec);
    return button;
}

QLabel* makePicture(const ControlSpec& spec, QWidget& parent) {
    auto* picture = new PictureBox(QString::fromUtf8(spec.text), &parent);
    applySpec(*picture, spec);
    return picture;
}

void tieLabels(std::span<const ControlSpec> table, QWidget& window) {
    for (const ControlSpec& spec : table) {
        if (spec.labelFor == nullptr) {
            continue;
        }
        auto* label = window.findChild<QLabel*>(QString::fromUtf8(spec.name));
        auto* named = window.findChild<QWidget*>(QString::fromUtf8(spec.labelFor));
        if (label != nullptr && named != nullptr) {
            label->setBuddy(named);
        }
    }
}

} // namespace hourvault
