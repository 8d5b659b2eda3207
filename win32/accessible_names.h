#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace hourvault::win32 {

// Names and roles for screen readers (Narrator, NVDA) where Windows would guess them from the
// wrong place: a drop-down list is named after the label before it, which the lists have none
// of, and a picture box is named by its file. Set through the accessibility annotation service;
// a Windows without it leaves the guesses.
class AccessibleNames {
public:
    AccessibleNames();
    ~AccessibleNames();

    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    void name(HWND control, const std::wstring& name) const;
    void describe(HWND control, const std::wstring& description) const;
    // ROLE_SYSTEM_* of oleacc.
    void role(HWND control, long role) const;
    // Before the control goes: the service keeps its annotations until then.
    void forget(HWND control) const;

private:
    IAccPropServices* service_ = nullptr;
};

} // namespace hourvault::win32
