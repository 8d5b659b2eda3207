// The floor for the Windows start-up: what Windows' own controls cost, and nothing else. The
// main window with Hourvault's menus and client size and every control of its layout tables as
// the native control nearest to it (a push button, a group box for a frame, a static control
// for a label or a picture, a read-only edit box for a result, an editable drop-down list for a
// list), at its place, in the dialog font, with the program's manifest; no pictures drawn, no
// entries in the lists, no calculator behind them.

#include "dialog_font.h"
#include "lists.h"
#include "main_window.h"
#include "menus.h"
#include "settings.h"
#include "win32_first_paint_probe.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using hourvault::byRole;
using hourvault::ControlKind;
using hourvault::layoutFont;
using hourvault::LayoutRow;
using hourvault::pixels;
using hourvault::TwipsPoint;
namespace main_window = hourvault::main_window;

std::wstring wide(std::string_view text) {
    return {text.begin(), text.end()};
}

struct Window {
    HWND handle;
    int dpi;
    HFONT font;

    HWND add(const wchar_t* type, const std::wstring& text, DWORD style, DWORD exStyle,
             const hourvault::TwipsRect& place, TwipsPoint origin = {0, 0}, int heightFactor = 1,
             bool visible = true) const {
        const int left = pixels(origin.x, dpi) + pixels(place.left, dpi);
        const int top = pixels(origin.y, dpi) + pixels(place.top, dpi);
        HWND control =
            CreateWindowExW(exStyle, type, text.c_str(),
                            WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0) | style, left,
                            top, pixels(place.width, dpi), pixels(place.height, dpi) * heightFactor,
                            handle, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    }
};

// Only the pictures of the model a run starts with show.
bool shownAtStart(const LayoutRow& row) {
    return std::none_of(main_window::modelPictures.begin(), main_window::modelPictures.end(),
                        [&row](const main_window::ModelPicture& picture) {
                            return picture.role == row.role &&
                                   picture.model != hourvault::Settings{}.model;
                        });
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    type.lpszClassName = L"NativeFloor";
    RegisterClassExW(&type);
    HMENU bar = CreateMenu();
    for (const hourvault::Menu& menu : hourvault::mainMenus) {
        HMENU items = CreatePopupMenu();
        for (const hourvault::MenuItem& item : menu.items) {
            if (!item.command) {
                AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::wstring caption = wide(item.caption);
            if (item.ctrlKey != 0) {
                caption += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(item.ctrlKey));
            }
            AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(*item.command), caption.c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), wide(menu.caption).c_str());
    }

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    constexpr DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT outer{0, 0, pixels(main_window::client.width, dpi),
               pixels(main_window::client.height, dpi)};
    AdjustWindowRectEx(&outer, style, TRUE, 0);
    HWND handle = CreateWindowExW(0, L"NativeFloor", wide(main_window::caption).c_str(), style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, bar, instance, nullptr);
    HFONT font = CreateFontW(-std::lround(layoutFont.points * dpi / 72.0), 0, 0, 0, FW_NORMAL,
                             FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                             wide(layoutFont.family).c_str());
    const Window window{handle, dpi, font};

    // Those that lie on others first, as the program stacks them: the frames at the bottom.
    const auto addRow = [&window](const LayoutRow& row) {
        const std::wstring text = row.text != nullptr ? wide(row.text) : L"";
        switch (row.kind) {
        case ControlKind::button:
            window.add(L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, 0, row.place);
            break;
        case ControlKind::frame:
            window.add(L"BUTTON", text, BS_GROUPBOX, 0, row.place);
            break;
        case ControlKind::picture:
            window.add(L"STATIC", L"", SS_BLACKRECT, 0, row.place, {0, 0}, 1, shownAtStart(row));
            break;
        case ControlKind::formatLabel:
            window.add(L"STATIC", wide(main_window::formatCaption(hourvault::Settings{}.format)),
                       SS_CENTER, 0, row.place);
            break;
        case ControlKind::label:
        case ControlKind::resultBox:
            break;
        }
    };
    for (const LayoutRow& row : main_window::controls) {
        if (row.kind == ControlKind::button) {
            addRow(row);
        }
    }
    for (const main_window::ListPlace& list : main_window::listPlaces) {
        const LayoutRow& frame = byRole(main_window::controls, list.frame);
        // A drop-down's height counts in the box's: room for 16 entries below the field.
        HWND made =
            window.add(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                       0, main_window::listPlace, {frame.place.left, frame.place.top}, 17);
        SetWindowTextW(made, wide(hourvault::textsOf(list.list).prompt).c_str());
    }
    const LayoutRow& result = byRole(main_window::controls, hourvault::Role::resultFrame);
    for (const LayoutRow& row : main_window::resultControls) {
        if (row.kind == ControlKind::resultBox) {
            window.add(L"EDIT", L"", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                       row.place, {result.place.left, result.place.top});
        } else {
            window.add(L"STATIC", wide(row.text), SS_LEFT, 0, row.place,
                       {result.place.left, result.place.top});
        }
    }
    for (const LayoutRow& row : main_window::controls) {
        if (row.kind != ControlKind::button && row.kind != ControlKind::frame) {
            addRow(row);
        }
    }
    for (const LayoutRow& row : main_window::controls) {
        if (row.kind == ControlKind::frame) {
            addRow(row);
        }
    }
    ShowWindow(handle, show);
    hourvault::bench::reportFirstPaint(handle);
}
