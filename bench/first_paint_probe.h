#pragma once

class QWidget;

namespace hourvault::bench {

// Watches a top-level window until its first frame has been painted and handed to the screen,
// then prints one line and ends the application:
//   first_paint_ns=<CLOCK_MONOTONIC> vmhwm_kib=<peak RSS> rss_kib=<RSS> pss_kib=<PSS>
// Both the empty window and Hourvault use it, so both are measured at the same moment.
// Call it before the window is shown.
void reportFirstPaint(QWidget& window);

} // namespace hourvault::bench
