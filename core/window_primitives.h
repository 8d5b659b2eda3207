#pragma once

#include "lists.h"

#include <string>
#include <string_view>

namespace hourvault {

enum class ResultBox { hours, days };

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
