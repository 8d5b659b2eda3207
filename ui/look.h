#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace hourvault {

// The windows paint text colours as backgrounds (black frames, white captions). Those roles
// keep the standard scheme's values whatever the desktop's scheme, or a dark theme would make
// the captions vanish; lists, text boxes, buttons and menus keep the desktop's own palette.
namespace chrome {
inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor grey{128, 128, 128};
} // namespace chrome

// Paints the widget's own background and text in the given colours.
void paintChrome(QWidget& widget, const QColor& background, const QColor& text);

// The font of every window's text: small enough that each fixed label box holds its whole
// text, with the same metrics on every machine.
[[nodiscard]] QFont dialogFont();

} // namespace hourvault
