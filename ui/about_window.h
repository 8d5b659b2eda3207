#pragma once

#include "help_window.h"

namespace hourvault {

// What the program is for, how far its result can be trusted, its version and the recorder
// models it covers, with the maker's two logos.
class AboutWindow : public HelpWindow {
    Q_OBJECT

public:
    AboutWindow();
};

} // namespace hourvault
