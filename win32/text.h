#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace hourvault::win32 {

// The core and the tables speak UTF-8; Windows' wide-character functions UTF-16.
[[nodiscard]] std::wstring wide(std::string_view text);
[[nodiscard]] std::string utf8(std::wstring_view text);

// A window's text, whatever its length.
[[nodiscard]] std::wstring windowText(HWND window);
// The text of a drop-down list's entry (a combo box's), and of all of them in order.
[[nodiscard]] std::wstring entryText(HWND combo, int entry);
[[nodiscard]] std::vector<std::wstring> entryTexts(HWND combo);

} // namespace hourvault::win32
