#include "system_library.h"

#include <string>

namespace hourvault::win32 {

HMODULE systemLibrary(const wchar_t* file) {
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH
               ? LoadLibraryW((std::wstring(folder, length) + L"\\" + file).c_str())
               : nullptr;
}

} // namespace hourvault::win32
