// How a list fits its place: the closed field as high as the place, whatever the box makes of
// its font, and the drop-down as high as its entries need.

#include "option_list.h"

#include <algorithm>

namespace hourvault::win32 {

LRESULT OptionList::place(const RECT& place, LRESULT fieldHeight) {
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    if (fieldHeight > 0) {
        SendMessageW(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
    }
    droppedHeight_ = height * (visibleEntries + 1);
    SetWindowPos(combo_, nullptr, place.left, place.top, width, droppedHeight_,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return fitField(width, height, fieldHeight);
}

LRESULT OptionList::fitField(int width, int height, LRESULT fieldHeight) {
    // The drop-down's height counts in the box's; the closed field is set apart, by the
    // height of its text area, which comes to the field's height less the box's own edges.
    const auto closedHeight = [this] {
        RECT closed{};
        GetWindowRect(combo_, &closed);
        return static_cast<int>(closed.bottom - closed.top);
    };
    // The field may take its new height only when the box is sized again.
    const auto setItemHeight = [this, width, &closedHeight](LRESULT item) {
        const int before = closedHeight();
        SendMessageW(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
        if (closedHeight() == before) {
            SetWindowPos(combo_, nullptr, 0, 0, width, droppedHeight_,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    };
    closedHeight_ = height;
    auto item = SendMessageW(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (fieldHeight > 0 && fieldHeight != item) {
        item = fieldHeight;
        setItemHeight(item);
    }
    for (int attempt = 0; attempt < 3 && closedHeight() != height; ++attempt) {
        item = std::max<LRESULT>(item + height - closedHeight(), 1);
        setItemHeight(item);
    }
    return fieldHeight > 0 && closedHeight() == height ? fieldHeight : item;
}

void OptionList::fitDropDown() {
    if (closedHeight_ == 0) {
        return;
    }
    // Entries show as many as fit, up to the box's limit; an empty list drops a box of one empty
    // line, as Windows draws it, not one as tall as the limit.
    const bool empty = SendMessageW(combo_, CB_GETCOUNT, 0, 0) == 0;
    const int height = empty ? closedHeight_ +
                                   static_cast<int>(SendMessageW(combo_, CB_GETITEMHEIGHT, 0, 0)) +
                                   2 * GetSystemMetrics(SM_CYBORDER)
                             : closedHeight_ * (visibleEntries + 1);
    // Sized only when that changes: each sizing moves the drop-down as well, and the box's own
    // report of its dropped size does not match what it was given everywhere.
    if (height != droppedHeight_) {
        droppedHeight_ = height;
        RECT box{};
        GetWindowRect(combo_, &box);
        SetWindowPos(combo_, nullptr, 0, 0, box.right - box.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace hourvault::win32
