// Reads the running Windows program from outside, as assistive tools and test robots do, and
// prints it as one line of JSON: each of its windows that shows, with its title and place on
// the screen, and each control by name with its kind, text, entries, place and whether it
// shows and holds the focus; a message box that is open, with its text; and an open drop-down,
// with the height and the first shown of its entries.
// With --accessible each control also as a screen reader (Narrator, NVDA) reads it through
// oleacc: the name, role and value of its window's object, and a list's field's as well.
// With --shortcut FILE.lnk it reads a shortcut instead: its target, icon and description.
// Usage: reader.exe [--accessible | --shortcut FILE.lnk]

#include "control_ids.h"
#include "message_loop.h"
#include "system_library.h"
#include "text.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <initguid.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace hourvault;

std::string quoted(const std::wstring& text) {
    std::string out = "\"";
    for (const char c : win32::utf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The text of a window of another program, which only answers by message.
std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

std::string place(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return "[" + std::to_string(box.left) + "," + std::to_string(box.top) + "," +
           std::to_string(box.right) + "," + std::to_string(box.bottom) + "]";
}

std::string entriesOf(HWND list) {
    std::string out = "[";
    for (const std::wstring& entry : win32::entryTexts(list)) {
        out += (out.size() > 1 ? "," : "") + quoted(entry);
    }
    return out + "]";
}

std::string quotedOrNull(BSTR text) {
    return text != nullptr ? quoted(std::wstring(text, SysStringLen(text))) : "null";
}

// A window's object as a screen reader asks for it: its name, role and value, null where it
// has none.
std::string accessibleOf(HWND window) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    using RoleText = UINT(WINAPI*)(DWORD, LPWSTR, UINT);
    // From oleacc, which the program under test does not load until it is asked.
    static const HMODULE oleacc = win32::systemLibrary(L"oleacc.dll");
    static const auto fromWindow =
        win32::systemFunction<FromWindow>(oleacc, "AccessibleObjectFromWindow");
    static const auto roleText = win32::systemFunction<RoleText>(oleacc, "GetRoleTextW");
    IAccessible* object = nullptr;
    if (window == nullptr || fromWindow == nullptr || roleText == nullptr ||
        FAILED(fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                          reinterpret_cast<void**>(&object)))) {
        return "null";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR value = nullptr;
    VARIANT role{};
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->get_accRole(self, &role);
    wchar_t roleName[64]{};
    if (role.vt == VT_I4) {
        roleText(static_cast<DWORD>(role.lVal), roleName, 64);
    }
    const std::string out = "{\"name\":" + quotedOrNull(name) +
                            ",\"role\":" + (role.vt == VT_I4 ? quoted(roleName) : "null") +
                            ",\"value\":" + quotedOrNull(value) + "}";
    SysFreeString(name);
    SysFreeString(value);
    VariantClear(&role);
    object->Release();
    return out;
}

std::string controlsOf(HWND window, const HelpWindowSpec* help, HWND focus, bool accessible) {
    std::string out = "{";
    bool first = true;
    for (const auto& [name, child] : win32::namedControls(window, help)) {
        const std::wstring kind = className(child);
        out += std::string(first ? "" : ",") + "\"" + std::string(name) +
               "\":{\"kind\":" + quoted(kind) + ",\"text\":" + quoted(textOf(child)) +
               ",\"shown\":" + (IsWindowVisible(child) ? "true" : "false") +
               ",\"focused\":" + (focus == child || IsChild(child, focus) ? "true" : "false") +
               ",\"place\":" + place(child);
        if (kind == L"ComboBox") {
            out += ",\"entries\":" + entriesOf(child) + ",\"dropped\":" +
                   (SendMessageW(child, CB_GETDROPPEDSTATE, 0, 0) != 0 ? "true" : "false");
        }
        if (accessible) {
            out += ",\"accessible\":" + accessibleOf(child);
            if (kind == L"ComboBox") {
                out +=
                    ",\"field\":" + accessibleOf(FindWindowExW(child, nullptr, L"Edit", nullptr));
            }
        }
        out += "}";
        first = false;
    }
    return out + "}";
}

struct Found {
    std::vector<HWND> windows;
};

BOOL CALLBACK collect(HWND window, LPARAM found) {
    const std::wstring kind = className(window);
    if (IsWindowVisible(window) &&
        (kind == win32::mainWindowClass || kind == win32::helpWindowClass || kind == L"#32770" ||
         kind == L"ComboLBox")) {
        reinterpret_cast<Found*>(found)->windows.push_back(window);
    }
    return TRUE;
}

// A shortcut as the shell reads it, as one line of JSON.
int readShortcut(const wchar_t* file) {
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persisted = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted))) ||
        FAILED(persisted->Load(file, STGM_READ))) {
        std::puts("{}");
        return 1;
    }
    wchar_t target[MAX_PATH]{};
    wchar_t icon[MAX_PATH]{};
    wchar_t description[INFOTIPSIZE]{};
    int iconIndex = 0;
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetIconLocation(icon, MAX_PATH, &iconIndex);
    link->GetDescription(description, INFOTIPSIZE);
    std::puts(("{\"target\":" + quoted(target) + ",\"icon\":" + quoted(icon) + ",\"iconIndex\":" +
               std::to_string(iconIndex) + ",\"description\":" + quoted(description) + "}")
                  .c_str());
    persisted->Release();
    link->Release();
    return 0;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 3 && std::wstring(arguments[1]) == L"--shortcut") {
        return readShortcut(arguments[2]);
    }
    const bool accessible = count == 2 && std::wstring(arguments[1]) == L"--accessible";
    if (accessible) {
        CoInitialize(nullptr);
    }
    Found found;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
    std::string out = "{\"windows\":[";
    bool first = true;
    for (HWND window : found.windows) {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
        const std::wstring kind = className(window);
        const std::wstring title = textOf(window);
        const HelpWindowSpec* help = nullptr;
        for (const HelpWindowSpec* spec : {&aboutWindow, &glossaryWindow}) {
            if (kind == win32::helpWindowClass && title == win32::wide(spec->caption)) {
                help = spec;
            }
        }
        out += std::string(first ? "" : ",") + "{\"kind\":" + quoted(kind) +
               ",\"title\":" + quoted(title) + ",\"place\":" + place(window) +
               ",\"active\":" + (thread.hwndActive == window ? "true" : "false");
        if (kind == L"#32770") {
            out += ",\"text\":" + quoted(textOf(GetDlgItem(window, 0xFFFF)));
        } else if (kind == L"ComboLBox") {
            out +=
                ",\"entryHeight\":" + std::to_string(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0)) +
                ",\"firstShown\":" + std::to_string(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
        } else {
            out += ",\"controls\":" + controlsOf(window, help, thread.hwndFocus, accessible);
        }
        out += "}";
        first = false;
    }
    std::puts((out + "]}").c_str());
    return 0;
}
