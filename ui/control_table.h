#pragma once

#include "twips.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace hourvault {

enum class ControlKind { button, frame, label, picture, formatLabel, resultBox };

// What a window needs a control for once its table is built: to connect it, show or hide it,
// set the focus order or tie a label to it. Rows the window never needs again have none.
enum class Role : std::uint8_t {
    none,
    // The main window.
    calculate,
    clear,
    camerasFrame,
    resolutionFrame,
    qualityFrame,
    frameRateFrame,
    audioFrame,
    hddsizeFrame,
    resultFrame,
    cameras,
    resolution,
    quality,
    frameRate,
    audio,
    hddsize,
    days,
    hours,
    format,
    photo16,
    photo9,
    name16,
    name9,
    // The glossary's explanations, each named by its term.
    camerasExplained,
    resolutionExplained,
    qualityExplained,
    frameRateExplained,
    audioExplained,
    hddsizeExplained,
    count
};

// One row of a window's layout table. Every window is built from such a table, in the order
// its rows are listed.
struct ControlSpec {
    ControlKind kind;
    const char* name; // the objectName
    const char* text; // caption or label text; for a picture, its resource
    // What assistive tools read besides the text: a button's, frame's or picture's name; for a
    // label, a description, because a label's name is its text, which must stay readable.
    const char* accessibleText;
    TwipsRect place;
    Role role = Role::none;
    Role labelFor = Role::none; // the control a label names, for assistive tools
};

// A window's controls as its table is built: each under its role, as it is made, and the labels
// still to be tied to the controls they name.
class BuiltControls {
public:
    // Records a control made from its row.
    void add(const ControlSpec& spec, QWidget& control) { add(spec.role, control, spec.labelFor); }
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
void applySpec(QWidget& control, const ControlSpec& spec);

// A push button that Enter presses while it has the focus; no window has a default button.
QPushButton* makeButton(const ControlSpec& spec, QWidget& parent);

// A picture shown at its natural size from its top-left corner, cut off at its box's edges.
// It is read when first shown.
QLabel* makePicture(const ControlSpec& spec, QWidget& parent);

} // namespace hourvault
