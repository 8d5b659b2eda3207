// What a user waits for in the open Windows main window: a Calculate click until both results
// show, and a pick in the camera or resolution list until the recording-rate list is rebuilt.
// Each response of the window's is timed alone, from the notification that reports the click or
// the pick (what the button or the list does itself comes before), and the window catches up on
// its repaints between two of them. Prints the median, fastest and slowest response.

#include "calculator_window.h"
#include "control_ids.h"
#include "expected_texts.h"
#include "program_services.h"
#include "text.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using hourvault::ListId;

using hourvault::win32::controlNamed;

void repaint() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// A pick of the entry as the list makes it: its selection, which it shows in its field.
void select(HWND combo, int entry) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

// What the window does then: the list reports the pick to it (CBN_SELCHANGE). The list is
// found before the clock starts: a walk over the window's children is the bench's, not the
// window's.
void answerPick(HWND window, HWND combo, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void pickTypical(HWND window) {
    for (const ListId list : hourvault::allLists) {
        HWND combo = controlNamed(window, hourvault::main_window::objectName(list));
        const std::wstring text = hourvault::win32::wide(hourvault::expected::typical.choice(list));
        select(combo,
               static_cast<int>(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(text.c_str()))));
        answerPick(window, combo, GetDlgCtrlID(combo));
    }
    repaint();
}

void report(const char* name, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-16s median %8.1f us   min %8.1f us   max %8.1f us   (%zu responses)\n", name,
                samples[samples.size() / 2], samples.front(), samples.back(), samples.size());
}

std::vector<double> time(int rounds, const std::function<void(int)>& before,
                         const std::function<void(int)>& action) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        before(round);
        LARGE_INTEGER start{};
        LARGE_INTEGER end{};
        QueryPerformanceCounter(&start);
        action(round);
        QueryPerformanceCounter(&end);
        samples.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                          static_cast<double>(frequency.QuadPart));
        repaint();
    }
    return samples;
}

} // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    const hourvault::win32::ProgramServices services;
    hourvault::win32::CalculatorWindow calculator;
    calculator.show(show);
    HWND window = calculator.hwnd();
    repaint();
    pickTypical(window);
    constexpr int rounds = 500;
    HWND calculate = controlNamed(window, "cmdCalculate");
    const int calculateId = GetDlgCtrlID(calculate);
    HWND hours = controlNamed(window, "txtHours");
    report("Calculate", time(
                            rounds, [hours](int) { SetWindowTextW(hours, L""); },
                            [window, calculate, calculateId](int) {
                                SendMessageW(window, WM_COMMAND,
                                             MAKEWPARAM(calculateId, BN_CLICKED),
                                             reinterpret_cast<LPARAM>(calculate));
                            }));
    const std::wstring shown = hourvault::win32::windowText(hours);
    if (shown != hourvault::win32::wide(hourvault::expected::typical.hours)) {
        std::printf("Calculate did not show the typical request's hours\n");
        return 1;
    }
    for (const ListId list : {ListId::cameras, ListId::resolution}) {
        pickTypical(window);
        HWND combo = controlNamed(window, hourvault::main_window::objectName(list));
        const int id = GetDlgCtrlID(combo);
        report(list == ListId::cameras ? "camera pick" : "resolution pick",
               time(
                   rounds, [combo](int round) { select(combo, round % 2); },
                   [window, combo, id](int) { answerPick(window, combo, id); }));
    }
    return 0;
}
