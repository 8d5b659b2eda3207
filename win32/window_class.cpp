#include "window_class.h"

#include "dpi.h"
#include "pictures.h"

namespace hourvault::win32 {

bool registerWindowClass(const wchar_t* name, WNDPROC procedure, bool topLevel) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (topLevel) {
        type.hIcon = loadProgramIcon(ICON_BIG, standardDpi);
        type.hIconSm = loadProgramIcon(ICON_SMALL, standardDpi);
    }
    type.lpszClassName = name;
    return RegisterClassExW(&type) != 0;
}

LRESULT labelColours(HDC target, const Look& look, HBRUSH background) {
    SetTextColor(target, colourOf(look.text));
    SetBkColor(target, colourOf(look.background));
    return reinterpret_cast<LRESULT>(background);
}

LRESULT eraseWith(HWND window, HDC target, HBRUSH background) {
    RECT area{};
    GetClientRect(window, &area);
    FillRect(target, &area, background);
    return 1;
}

} // namespace hourvault::win32
