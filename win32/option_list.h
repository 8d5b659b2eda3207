#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace hourvault::win32 {

// The editable drop-down list that core/window_primitives.h describes, on a CBS_DROPDOWN combo
// box: a pick (CBN_SELCHANGE) reported as picked, any other change of its text as edited, the
// box's own guesses and refills never. Which of these the window answers, and when the list
// counts as left, is the window's.
class OptionList {
public:
    OptionList() = default;
    OptionList(const OptionList&) = delete;
    OptionList& operator=(const OptionList&) = delete;

    // Made at its place in the font, its closed field as high as the place, its drop-down
    // below; the field height as place() takes and returns it.
    LRESULT create(HWND parent, int id, const RECT& place, HFONT font, LRESULT fieldHeight = 0);
    [[nodiscard]] HWND hwnd() const { return combo_; }
    [[nodiscard]] HWND field() const;
    // The list or its field holds the keyboard focus.
    [[nodiscard]] bool hasFocus() const;
    // What screen readers call the list and its field (which holds the focus), as a combo box
    // with its shown text as value.
    void setAccessibleName(std::wstring name);

    // Empties the list; the shown text is left to the caller.
    void clearEntries();
    // Adds an entry at the end without changing the choice or the shown text.
    void appendEntry(const std::wstring& text);
    // Shows a text that is no entry (a prompt): there is no choice then. With the focus, the
    // text is selected, so that typing replaces it.
    void showText(const std::wstring& text);

    [[nodiscard]] int chosen() const { return chosen_; }
    [[nodiscard]] std::wstring text() const;
    // The shown text chosen, for the focus to go on with, as Tab does.
    void selectText() const;
    void closeDropDown() const;
    [[nodiscard]] bool droppedDown() const;

    // What a notification of the box (its WM_COMMAND, which its window hands on) means to the
    // window: a pick, an edit, the focus arriving at the list, or nothing. What concerns only
    // the list it handles itself.
    enum class Event : std::uint8_t { none, picked, edited, focused };
    Event onNotification(int code);

    // Places the list, its closed field as high as the place, its drop-down below; the height
    // of its field's text area for that, which another list of the same font can be given
    // to begin with (0: none known).
    LRESULT place(const RECT& place, LRESULT fieldHeight = 0);

    // The program's changes of the list are drawn once, when the event at hand is handled:
    // each entry added would otherwise be drawn by itself.
    void holdDrawing();
    void drawHeld();

private:
    // The box reported a pick (CBN_SELCHANGE); false for its own refills.
    bool picked();
    // The box reported a change of its text (CBN_EDITCHANGE, or a text set on it from outside);
    // true if that was an edit, which drops the choice.
    bool edited();
    // The drop-down's height for the entries there are, as it opens (CBN_DROPDOWN): the list
    // is not sized at every refill.
    void fitDropDown();
    static LRESULT CALLBACK procedure(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK fieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam);
    void mark(int entry) const;
    // The closed field as high as the place, its text area this high to begin with (0: as it
    // is); the height the text area got.
    LRESULT fitField(int width, int height, LRESULT fieldHeight);

    static constexpr int visibleEntries = 16; // the most the drop-down shows at once

    HWND combo_ = nullptr;
    WNDPROC boxProcedure_ = nullptr;
    WNDPROC fieldProcedure_ = nullptr;
    std::wstring accessibleName_;
    int chosen_ = -1;
    int closedHeight_ = 0;  // once placed
    int droppedHeight_ = 0; // the box's height dropped down, as last set
    // Set while the program itself changes the list.
    bool own_ = false;
    bool drawingHeld_ = false;
};

} // namespace hourvault::win32
