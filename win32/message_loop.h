#pragma once

#include <windows.h>

namespace hourvault::win32 {

// The window whose menu shortcuts act before the focused field's own editing keys (Ctrl+C
// would copy, Ctrl+X cut), also while one of its drop-downs is open; none when null.
void setShortcuts(HWND window, HACCEL shortcuts);

// The program's windows answer the keys of a dialog, without its default button: Tab and
// Shift+Tab go round the focus order, Enter and Space press only a focused button, Escape
// presses nothing. Windows of these classes do.
inline constexpr wchar_t mainWindowClass[] = L"HourvaultCalculator";
inline constexpr wchar_t helpWindowClass[] = L"HourvaultHelp";

// After a drop-down closes on a click that picked an entry, the second click of a double-click
// would press whatever lies beneath (Calculate, for one): this eats it, and only it.
void guardSecondClick(HWND window);

// One message, as the program's loop handles it.
void handleMessage(MSG& message);

// Handles messages until the program quits; its exit status.
int runMessageLoop();

} // namespace hourvault::win32
