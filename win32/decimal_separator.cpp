#include "decimal_separator.h"

#include "text.h"

#include <windows.h>

namespace hourvault::win32 {

std::string decimalSeparator() {
    // Where the regional settings keep the user's choice; the locale functions may answer from
    // what they read when the program started.
    wchar_t separator[8]{};
    DWORD size = sizeof separator;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", L"sDecimal", RRF_RT_REG_SZ,
                     nullptr, separator, &size) != ERROR_SUCCESS ||
        separator[0] == L'\0') {
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    }
    return utf8(separator);
}

} // namespace hourvault::win32
