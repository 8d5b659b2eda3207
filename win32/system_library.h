#pragma once

#include <windows.h>

namespace hourvault::win32 {

// One of Windows' own libraries, loaded from the system's folder, never from beside the program,
// when first asked for rather than at every start; null where it is missing.
[[nodiscard]] HMODULE systemLibrary(const wchar_t* file);

// A function of such a library; null where either is missing.
template <typename Function>
[[nodiscard]] Function systemFunction(HMODULE library, const char* name) {
    return library != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
               : nullptr;
}

} // namespace hourvault::win32
