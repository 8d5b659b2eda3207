#pragma once

#include "control_table.h"
#include "lists.h"
#include "window_primitives.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hourvault {

class OptionList;

// The main window's controls, as built from its layout tables.
struct MainControls {
    std::array<OptionList*, 6> lists{}; // indexed by ListId
    QLineEdit* hours = nullptr;
    QLineEdit* days = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* clear = nullptr;
    QLabel* format = nullptr;
    BuiltControls byRole;

    [[nodiscard]] OptionList& list(ListId id) const { return *lists.at(indexOf(id)); }
    [[nodiscard]] QLineEdit& result(ResultBox box) const {
        return *(box == ResultBox::hours ? hours : days);
    }
};

// Fills the client area with every frame, list, box, button, label and picture, in their
// stacking order, and sets the focus order.
[[nodiscard]] MainControls buildMainLayout(QWidget& client);

} // namespace hourvault
