#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct IAccPropServices;

namespace hourvault::win32 {

// Names and roles for screen readers (Narrator, NVDA) and UI Automation where Windows would guess
// them from the wrong place: a drop-down list is named after the label before it, which the
// lists have none of. Set through the accessibility annotation service, which UI Automation
// reads; a Windows without it (and Wine, which does not implement it) leaves the guesses. The
// service needs COM, which the program starts only once its window has painted: annotations
// made before start() are kept until then.
// What Narrator and NVDA ask first, a window's object through WM_GETOBJECT, is answered besides:
// the lists by namedObject below, a result box by its unit label just before it in the
// stacking order, a picture by its window text. Read so from another process under Wine too.
class AccessibleNames {
public:
    AccessibleNames() = default;
    ~AccessibleNames();

    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Starts COM and the annotation service, and makes the annotations kept so far.
    void start();

    void name(HWND control, const std::wstring& name) const;
    void describe(HWND control, const std::wstring& description) const;
    // ROLE_SYSTEM_* of oleacc.
    void role(HWND control, long role) const;
    // Before the control goes: the service keeps its annotations until then.
    void forget(HWND control) const;

private:
    enum class Property : std::uint8_t { name, description, role };
    struct Annotation {
        HWND control;
        Property property;
        std::wstring text;
        long role;
    };
    void annotate(const Annotation& annotation) const;

    bool started_ = false;
    IAccPropServices* service_ = nullptr;
    // Until start(): a queue, not the names' own state, so that annotating stays const.
    mutable std::vector<Annotation> kept_;
};

// The answer to WM_GETOBJECT for OBJID_CLIENT: the control's standard object, but for its name,
// its role (0: the standard one) and its window text as its value. 0 for any other object, or
// if it cannot be made, for the control's own procedure to answer.
[[nodiscard]] LRESULT namedObject(HWND control, WPARAM wParam, LPARAM lParam,
                                  const std::wstring& name, long role);

} // namespace hourvault::win32
