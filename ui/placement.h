#pragma once

class QScreen;
class QWidget;

namespace hourvault {

// Centres a top-level window on the screen's available area, its window manager's frame
// included; with no screen, on the primary screen, and with none at all it stays where it is.
// A window larger than the screen is placed with its top-left corner on the screen. On Wayland
// the compositor places windows, and this does nothing.
// Call it before the window is first shown: until the window manager has framed the window
// only its client area is known, so it is centred again, once, when its frame appears.
void centreOnScreen(QWidget& window, QScreen* screen);

} // namespace hourvault
