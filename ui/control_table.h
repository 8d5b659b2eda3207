#pragma once

#include "layout_row.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace hourvault {

// A window's controls as its table is built: each under its role, as it is made, and the labels
// still to be tied to the controls they name.
class BuiltControls {
public:
    // Records a control made from its row.
    void add(const LayoutRow& spec, QWidget& control) { add(spec.role, control, spec.labelFor); }
    void add(Role role, QWidget& control, Role labelFor = Role::none);

    // The control with the role; the table must have made one of that kind.
    template <typename Control> [[nodiscard]] Control& at(Role role) const {
        auto* control = qobject_cast<Control*>(byRole_.at(static_cast<std::size_t>(role)));
        Q_ASSERT_X(control != nullptr, "BuiltControls::at", "no control of that kind and role");
        return *control;
    }

    // Ties every label to the control it names, once the whole table is built.
    void tieLabels() const;

private:
    std::array<QWidget*, static_cast<std::size_t>(Role::count)> byRole_{};
    std::vector<std::pair<QLabel*, Role>> ties_;
};

// Gives a made control its name, accessible text and place from its row.
void applySpec(QWidget& control, const LayoutRow& spec);

// A push button that Enter presses while it has the focus; no window has a default button.
QPushButton* makeButton(const LayoutRow& spec, QWidget& parent);

// A picture shown at its natural size from its top-left corner, cut off at its box's edges.
// It is read when first shown.
QLabel* makePicture(const LayoutRow& spec, QWidget& parent);

} // namespace hourvault
