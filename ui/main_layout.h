#pragma once

#include "lists.h"

#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hourvault {

class OptionList;

// The main window's controls, as built from the layout tables.
struct MainControls {
    std::array<OptionList*, 6> lists{}; // indexed by ListId
    QLineEdit* hours = nullptr;
    QLineEdit* days = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* clear = nullptr;
    QLabel* format = nullptr;
    QLabel* photo16 = nullptr;
    QLabel* photo9 = nullptr;
    QLabel* name16 = nullptr;
    QLabel* name9 = nullptr;
};

// Fills the client area with every frame, list, box, button, label and picture, in their
// stacking order, and sets the focus order.
[[nodiscard]] MainControls buildMainLayout(QWidget& client);

// The caption shown in the format label for each format.
[[nodiscard]] QString formatCaption(bool isNtsc);

} // namespace hourvault
