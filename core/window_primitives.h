#pragma once

#include "lists.h"

#include <string>
#include <string_view>

namespace hourvault {

enum class ResultBox { hours, days };

// Each list is an editable drop-down list that every front-end makes behave alike:
// - a real pick (the drop-down, the arrow keys, the wheel) is a choice, and is reported;
// - any other change of its text drops the choice (index -1) at once and keeps the text: keys,
//   a paste, an input method, an assistive tool that sets it; it is reported as an edit, for
//   the window to judge when the list is left (ListLeaveRule). Typing the chosen entry's very
//   text over it changes nothing;
// - typed text is never turned into a choice: no completion, no match on Return, on leaving
//   the field, or by the box's own guess while its drop-down is open;
// - emptying it, adding entries and showing a prompt raise nothing;
// - the wheel turns through the entries only while the list has the focus, and nothing can be
//   dropped on it; the second click of a double-click that picks an entry presses nothing
//   beneath the closed drop-down.

// Everything the calculator needs from a window. The core keeps no widgets: the real main
// window implements this, and so does the fake window of the core tests.
class WindowPrimitives {
public:
    virtual ~WindowPrimitives() = default;

    // -1 while nothing is chosen, and as soon as the user edits the list's text.
    [[nodiscard]] virtual int selectionIndex(ListId list) const = 0;
    [[nodiscard]] virtual std::string shownText(ListId list) const = 0;

    // These three never raise an entry-chosen or focus-lost event of the list.
    virtual void clearList(ListId list) = 0;
    virtual void appendEntry(ListId list, std::string_view text) = 0;
    // In a list that holds the focus the text shows selected, so that typing replaces it.
    virtual void setShownText(ListId list, std::string_view text) = 0;

    virtual void setResultText(ResultBox box, std::string_view text) = 0;
    // Its shown text selected, as Tab leaves it.
    virtual void focusList(ListId list) = 0;
    virtual void showMessage(std::string_view text, std::string_view title) = 0;

protected:
    WindowPrimitives() = default;
    WindowPrimitives(const WindowPrimitives&) = default;
    WindowPrimitives& operator=(const WindowPrimitives&) = default;
};

} // namespace hourvault
