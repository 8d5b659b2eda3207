#include "option_list.h"

#include "accessible_names.h"
#include "centred_line.h"
#include "message_loop.h"
#include "text.h"
#include "window_class.h"

#include <commctrl.h>
#include <oleacc.h>

#include <utility>

namespace hourvault::win32 {

namespace {

// Marks the list as changed by the program while it lasts, so that the box's notifications
// of the change are not taken for the user's; as it was before when it ends.
class ProgramChange {
public:
    explicit ProgramChange(bool& changing) : changing_(changing), before_(changing) {
        changing_ = true;
    }
    ~ProgramChange() { changing_ = before_; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    bool& changing_;
    bool before_;
};

WindowData<OptionList*> lists;

} // namespace

LRESULT OptionList::create(HWND parent, int id, const RECT& place, HFONT font,
                           LRESULT fieldHeight) {
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    // The drop-down's height counts in the box's.
    droppedHeight_ = height * (visibleEntries + 1);
    combo_ = CreateWindowExW(0, WC_COMBOBOXW, L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL |
                                 CBS_DROPDOWN | CBS_AUTOHSCROLL,
                             place.left, place.top, width, droppedHeight_, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    // The box's own procedure goes on behind this one; the list is found from the box. A
    // plain procedure, as window properties (what comctl32's subclassing keeps its state in)
    // cost a round trip to the server under Wine on every message.
    lists.keep(combo_, this);
    boxProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        combo_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OptionList::procedure)));
    SendMessageW(combo_, CB_SETMINVISIBLE, visibleEntries, 0);
    SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const LRESULT fitted = fitField(width, height, fieldHeight);
    centreLine(field());
    return fitted;
}

HWND OptionList::field() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo_, &info) ? info.hwndItem : nullptr;
}

bool OptionList::hasFocus() const {
    // A list that does not show holds no focus; the window that does not show yet is not asked.
    if (!IsWindowVisible(combo_)) {
        return false;
    }
    HWND focus = GetFocus();
    return focus != nullptr && (focus == combo_ || IsChild(combo_, focus));
}

void OptionList::setAccessibleName(std::wstring name) {
    accessibleName_ = std::move(name);
    // The field answers as well, with a plain procedure as the box's; the list is found from
    // the box, the field's parent.
    if (HWND edit = field(); edit != nullptr && fieldProcedure_ == nullptr) {
        fieldProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OptionList::fieldProcedure)));
    }
}

void OptionList::clearEntries() {
    holdDrawing();
    const ProgramChange change(own_);
    chosen_ = -1;
    mark(-1);
    // Entry by entry: emptying the box at once would empty its field too, and setting a text
    // costs more than taking out the entries.
    for (auto count = SendMessageW(combo_, CB_GETCOUNT, 0, 0); count > 0; --count) {
        SendMessageW(combo_, CB_DELETESTRING, static_cast<WPARAM>(count - 1), 0);
    }
}

void OptionList::appendEntry(const std::wstring& text) {
    holdDrawing();
    const ProgramChange change(own_);
    SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void OptionList::showText(const std::wstring& text) {
    const ProgramChange change(own_);
    if (chosen_ >= 0 || windowText(combo_) != text) {
        holdDrawing();
        chosen_ = -1;
        mark(-1);
        SetWindowTextW(combo_, text.c_str());
    }
    if (hasFocus()) {
        selectText();
    }
}

std::wstring OptionList::text() const {
    // A pick is reported before the field shows its entry.
    return chosen_ >= 0 ? entryText(combo_, chosen_) : windowText(combo_);
}

void OptionList::selectText() const {
    SendMessageW(combo_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void OptionList::closeDropDown() const {
    if (droppedDown()) {
        SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

bool OptionList::droppedDown() const {
    return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

OptionList::Event OptionList::onNotification(int code) {
    switch (code) {
    case CBN_SELCHANGE:
        return picked() ? Event::picked : Event::none;
    case CBN_EDITCHANGE:
        return edited() ? Event::edited : Event::none;
    case CBN_SETFOCUS:
        return Event::focused;
    case CBN_KILLFOCUS:
        // The field keeps its text selected otherwise, marked as if it still had the focus.
        SendMessageW(combo_, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
        return Event::none;
    case CBN_DROPDOWN:
        fitDropDown();
        return Event::none;
    case CBN_CLOSEUP:
        // A second click of a double-click on an entry falls on what lies below once the
        // drop-down has closed: it presses nothing there.
        guardSecondClick(GetAncestor(combo_, GA_ROOT));
        return Event::none;
    default:
        return Event::none;
    }
}

bool OptionList::picked() {
    if (own_) {
        return false;
    }
    chosen_ = static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
    return chosen_ >= 0;
}

bool OptionList::edited() {
    if (own_) {
        return false;
    }
    if (chosen_ >= 0 && windowText(combo_) == text()) {
        // The chosen entry's own text again; the box may have dropped its mark of it.
        mark(chosen_);
        return false;
    }
    chosen_ = -1;
    mark(-1);
    return true;
}

void OptionList::holdDrawing() {
    if (!drawingHeld_) {
        SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
        drawingHeld_ = true;
    }
}

void OptionList::drawHeld() {
    if (drawingHeld_) {
        drawingHeld_ = false;
        SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
        // A list that does not show yet is drawn whole when it first does.
        if (IsWindowVisible(combo_)) {
            RedrawWindow(combo_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
}

void OptionList::mark(int entry) const {
    // The drop-down's own mark only: CB_SETCURSEL would also set the field's text and select it.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo_, &info) && info.hwndList != nullptr) {
        SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    }
}

LRESULT CALLBACK OptionList::procedure(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = lists.of(combo);
    switch (message) {
    case WM_NCDESTROY: {
        const WNDPROC own = list->boxProcedure_;
        lists.release(combo);
        return CallWindowProcW(own, combo, message, wParam, lParam);
    }
    case WM_GETOBJECT:
        // Windows names a combo box after a label before it, which the lists have none of.
        if (!list->accessibleName_.empty()) {
            if (const LRESULT answer =
                    namedObject(combo, wParam, lParam, list->accessibleName_, ROLE_SYSTEM_COMBOBOX);
                answer != 0) {
                return answer;
            }
        }
        break;
    case WM_MOUSEWHEEL:
        // A wheel merely passing over the list must not change the choice.
        if (!list->hasFocus()) {
            return 0;
        }
        break;
    case WM_SETTEXT:
        if (!list->own_) {
            // Text set from outside, as an assistive tool does: an edit like any other.
            const LRESULT result =
                CallWindowProcW(list->boxProcedure_, combo, message, wParam, lParam);
            SendMessageW(GetParent(combo), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(combo), CBN_EDITCHANGE),
                         reinterpret_cast<LPARAM>(combo));
            return result;
        }
        break;
    default:
        break;
    }
    return CallWindowProcW(list->boxProcedure_, combo, message, wParam, lParam);
}

LRESULT CALLBACK OptionList::fieldProcedure(HWND field, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    const auto* list = lists.of(GetParent(field));
    if (message == WM_GETOBJECT) {
        // The field holds the focus: it is what a screen reader names first.
        if (const LRESULT answer = namedObject(field, wParam, lParam, list->accessibleName_, 0);
            answer != 0) {
            return answer;
        }
    }
    return CallWindowProcW(list->fieldProcedure_, field, message, wParam, lParam);
}

} // namespace hourvault::win32
