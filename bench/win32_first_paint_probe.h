#pragma once

#include <windows.h>

namespace hourvault::bench {

// Paints what of the shown window and its controls is not painted yet, now, as the first frame
// would be painted, then prints one line and ends the program:
//   vmhwm_kib=<peak RSS> rss_kib=<RSS> mark=<the event it created when it had painted>
// Whoever starts the program takes the time the line arrives as the time of the first paint.
[[noreturn]] void reportFirstPaint(HWND window);

} // namespace hourvault::bench
