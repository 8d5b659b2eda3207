#pragma once

#include "chrome.h"

#include <QFont>

class QWidget;

namespace hourvault {

// Paints the widget's own background and text in the look's colours; lists, text boxes and
// buttons inside it keep the desktop's palette.
void paintChrome(QWidget& widget, const Look& look);

// The font of every window's text: small enough that each fixed label box holds its whole
// text, with the same metrics on every machine.
[[nodiscard]] QFont dialogFont();

} // namespace hourvault
