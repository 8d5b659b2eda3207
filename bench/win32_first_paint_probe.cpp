#include "win32_first_paint_probe.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace hourvault::bench {

namespace {

// An event the probe creates once the window has painted: Wine's server log (WINEDEBUG=+server)
// names it, so that the requests before it are the start-up's.
constexpr char mark[] = "hourvault-first-paint";

} // namespace

void reportFirstPaint(HWND window) {
    // What is still to be painted, as the first frame is; a program that painted as it showed
    // its window has painted it already, and is not made to paint it again.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    CloseHandle(CreateEventA(nullptr, FALSE, FALSE, mark));
    // Under Wine these are the process's own VmHWM and VmRSS.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("vmhwm_kib=%lu rss_kib=%lu mark=%s\n",
                static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024),
                static_cast<unsigned long>(memory.WorkingSetSize / 1024), mark);
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace hourvault::bench
