#pragma once

#include "help_window.h"

namespace hourvault {

// Explains the six choices of the main window: one row per choice, the term on the left and
// its explanation on the right.
class GlossaryWindow : public HelpWindow {
    Q_OBJECT

public:
    GlossaryWindow();
};

} // namespace hourvault
