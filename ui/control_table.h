#pragma once

#include "twips.h"

#include <span>

class QLabel;
class QPushButton;
class QWidget;

namespace hourvault {

enum class ControlKind { button, frame, label, picture, formatLabel, resultBox };

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
    const char* labelFor = nullptr; // the control a label names, for assistive tools
};

// Gives a made control its name, accessible text and place from its row.
void applySpec(QWidget& control, const ControlSpec& spec);

// A push button that Enter presses while it has the focus; no window has a default button.
QPushButton* makeButton(const ControlSpec& spec, QWidget& parent);

// A picture shown at its natural size from its top-left corner, cut off at its box's edges.
// It is read when first shown.
QLabel* makePicture(const ControlSpec& spec, QWidget& parent);

// Ties every label that names another control to it, once the whole table is built.
void tieLabels(std::span<const ControlSpec> table, QWidget& window);

} // namespace hourvault
