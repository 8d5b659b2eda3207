#include "calculator_window.h"

#include "centred_line.h"
#include "control_ids.h"
#include "decimal_separator.h"
#include "dpi.h"
#include "dpi_messages.h"
#include "fonts.h"
#include "frame.h"
#include "menus.h"
#include "message_loop.h"
#include "pictures.h"
#include "text.h"
#include "window_class.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace hourvault::win32 {

namespace {

constexpr DWORD windowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Posted when a help window has gone, for it to be destroyed outside its own messages.
constexpr UINT helpWindowGone = WM_APP + 1;
// Posted once the window has first painted: what only screen readers need starts then.
constexpr UINT firstPainted = WM_APP + 2;

HMENU asMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

HWND makeControl(const wchar_t* type, const std::wstring& text, DWORD style, DWORD exStyle,
                 HWND parent, int id, const RECT& place) {
    return CreateWindowExW(exStyle, type, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, asMenu(id), GetModuleHandleW(nullptr),
                           nullptr);
}

// A control of the window by where it comes from: a row of the main table or of the result
// frame's, or a list.
struct Part {
    enum class Table : std::uint8_t { main, result, list };
    Table table;
    std::size_t row; // a list's by its index
};

// The controls in their stacking order, which is their order of creation. Tab follows the
// stacking order of the controls that take the focus, so those come first, in the focus order;
// then the others in their tables' order, which lists what lies on top first; the frames, which
// all the rest lies on, last. A result box comes just after its unit label, which Windows names
// it by as it names an edit box; the label takes no focus.
std::vector<Part> stackingOrder() {
    std::vector<Part> order;
    const auto add = [&order](Part part) {
        if (std::find_if(order.begin(), order.end(), [part](const Part& added) {
                return added.table == part.table && added.row == part.row;
            }) == order.end()) {
            order.push_back(part);
        }
    };
    const auto& results = main_window::resultControls;
    for (const Role role : main_window::focusOrder) {
        for (std::size_t row = 0; row < results.size(); ++row) {
            if (results.at(row).labelFor == role) {
                add({Part::Table::result, row});
            }
        }
        for (std::size_t row = 0; row < main_window::controls.size(); ++row) {
            if (main_window::controls.at(row).role == role) {
                add({Part::Table::main, row});
            }
        }
        for (std::size_t row = 0; row < results.size(); ++row) {
            if (results.at(row).role == role) {
                add({Part::Table::result, row});
            }
        }
        for (const main_window::ListPlace& place : main_window::listPlaces) {
            if (place.role == role) {
                add({Part::Table::list, indexOf(place.list)});
            }
        }
    }
    for (const bool frames : {false, true}) {
        for (std::size_t row = 0; row < main_window::controls.size(); ++row) {
            if ((main_window::controls.at(row).kind == ControlKind::frame) == frames) {
                add({Part::Table::main, row});
            }
        }
        for (std::size_t list = 0; list < main_window::listPlaces.size() && !frames; ++list) {
            add({Part::Table::list, list});
        }
        for (std::size_t row = 0; row < results.size() && !frames; ++row) {
            add({Part::Table::result, row});
        }
    }
    return order;
}

// The texts the dialog font must fit.
std::vector<ControlSpec> fittedTexts() {
    std::vector<ControlSpec> texts(main_window::controls.begin(), main_window::controls.end());
    texts.insert(texts.end(), main_window::resultControls.begin(),
                 main_window::resultControls.end());
    return texts;
}

HFONT makeFormatFont(UINT dpi) {
    return makeFont(wide(main_window::formatFont.family).c_str(), main_window::formatFont.points,
                    main_window::formatFont.bold, dpi);
}

} // namespace

CalculatorWindow::CalculatorWindow()
    : chromeBrush_(CreateSolidBrush(colourOf(main_window::look.background))) {
    static const bool registered =
        registerWindowClass(mainWindowClass, ownedProcedure<CalculatorWindow>, true);
    if (!registered) {
        return;
    }
    createMenus();
    // Made at its size for the screen's resolution; shown centred by show().
    const UINT screenDpi = dpiOf(nullptr);
    const SIZE outer = windowSize(screenDpi);
    window_ = CreateWindowExW(0, mainWindowClass, wide(main_window::caption).c_str(), windowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, menu_,
                              GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        return;
    }
    // The monitor it opens on may have a resolution of its own.
    const UINT dpi = dpiOf(window_);
    if (dpi != screenDpi) {
        const SIZE sized = windowSize(dpi);
        SetWindowPos(window_, nullptr, 0, 0, sized.cx, sized.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    createControls(dpi);
    // Start-up: NTSC and the 16-channel model, every list rebuilt and showing its prompt.
    controller_.startUp();
    for (OptionList& option : lists_) {
        option.drawHeld();
    }
    setIcons(dpi);
    lastFocus_ = control(Role::calculate);
    setShortcuts(window_, shortcuts_);
}

CalculatorWindow::~CalculatorWindow() {
    setShortcuts(nullptr, nullptr);
    helpWindow_.reset();
    if (window_ != nullptr) {
        closing_ = true;
        DestroyWindow(window_);
    }
    DestroyAcceleratorTable(shortcuts_);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(formatFont_), static_cast<HGDIOBJ>(chromeBrush_)}) {
        if (object != nullptr) {
            DeleteObject(object);
        }
    }
}

void CalculatorWindow::show(int how) {
    centreOnMonitor(window_, window_);
    ShowWindow(window_, how);
    UpdateWindow(window_);
    PostMessageW(window_, firstPainted, 0, 0);
}

void CalculatorWindow::createControls(UINT dpi) {
    dialogFonts_ = DialogFonts(fittedTexts(), dpi);
    formatFont_ = makeFormatFont(dpi);
    const Settings& start = controller_.settings();
    const TwipsRect& result =
        std::find_if(main_window::controls.begin(), main_window::controls.end(),
                     [](const ControlSpec& spec) { return spec.role == Role::resultFrame; })
            ->place;
    LRESULT fieldHeight = 0;
    for (const Part& part : stackingOrder()) {
        if (part.table == Part::Table::list) {
            const main_window::ListPlace& place = main_window::listPlaces.at(part.row);
            OptionList& made = list(place.list);
            const ControlSpec& frame = *std::find_if(
                main_window::controls.begin(), main_window::controls.end(),
                [&place](const ControlSpec& spec) { return spec.role == place.frame; });
            const TwipsPoint origin{frame.place.left, frame.place.top};
            fieldHeight = made.create(window_, listId(place.list),
                                      pixelRect(main_window::listPlace, dpi, origin),
                                      dialogFonts_.of(place.name), fieldHeight);
            // Named as its frame is, the field the focus goes to as well.
            made.setAccessibleName(wide(frame.accessibleText));
            names_.name(made.handle(), wide(frame.accessibleText));
            names_.name(made.field(), wide(frame.accessibleText));
            byRole_.at(static_cast<std::size_t>(place.role)) = made.handle();
            placed_.push_back({made.handle(), main_window::listPlace, origin, place.list});
            continue;
        }
        const bool inResult = part.table == Part::Table::result;
        const ControlSpec& spec = inResult ? main_window::resultControls.at(part.row)
                                           : main_window::controls.at(part.row);
        const int id =
            (inResult ? resultControlsFirstId : mainControlsFirstId) + static_cast<int>(part.row);
        const TwipsPoint origin = inResult ? TwipsPoint{result.left, result.top} : TwipsPoint{};
        const RECT place = pixelRect(spec.place, dpi, origin);
        const std::wstring text = wide(spec.text);
        HWND made = nullptr;
        switch (spec.kind) {
        case ControlKind::button:
            // BS_NOTIFY: the window hears when the focus arrives at it.
            made = makeControl(L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY,
                               0, window_, id, place);
            break;
        case ControlKind::frame:
            made = createFrame(window_, id, text.c_str(), place,
                               spec.role == Role::resultFrame
                                   ? std::optional<main_window::LineSpec>(main_window::line)
                                   : std::nullopt);
            names_.role(made, ROLE_SYSTEM_GROUPING);
            break;
        case ControlKind::picture: {
            // Only the pictures of the model in force show.
            const auto model =
                std::find_if(main_window::modelPictures.begin(), main_window::modelPictures.end(),
                             [&spec](const main_window::ModelPicture& picture) {
                                 return picture.role == spec.role;
                             });
            made = createPicture(window_, id, spec, place,
                                 model == main_window::modelPictures.end() ||
                                     model->model == start.model);
            names_.role(made, ROLE_SYSTEM_GRAPHIC);
            break;
        }
        case ControlKind::formatLabel:
            made = makeControl(L"STATIC", wide(main_window::formatCaption(start.format)),
                               WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, window_, id, place);
            break;
        case ControlKind::label:
            made = makeControl(L"STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, window_, id,
                               place);
            break;
        case ControlKind::resultBox:
            made = makeControl(L"EDIT", L"", WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL,
                               WS_EX_CLIENTEDGE, window_, id, place);
            break;
        }
        if (spec.role != Role::none) {
            byRole_.at(static_cast<std::size_t>(spec.role)) = made;
        }
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(made)), FALSE);
        if (spec.kind == ControlKind::resultBox) {
            centreLine(made);
        }
        // A picture's text is its name already; a label is named by its text.
        if (spec.accessibleText != nullptr && spec.kind != ControlKind::picture) {
            spec.kind == ControlKind::formatLabel ? names_.describe(made, wide(spec.accessibleText))
                                                  : names_.name(made, wide(spec.accessibleText));
        }
        placed_.push_back({made, spec.place, origin, std::nullopt});
    }
}

void CalculatorWindow::createMenus() {
    menu_ = CreateMenu();
    std::vector<ACCEL> keys;
    for (const Menu& spec : mainMenus) {
        HMENU menu = CreatePopupMenu();
        for (const MenuItem& item : spec.items) {
            if (!item.command) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const auto id = static_cast<UINT_PTR>(*item.command);
            std::wstring caption = wide(item.caption);
            if (item.ctrlKey != 0) {
                caption += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(item.ctrlKey));
                keys.push_back(
                    {FVIRTKEY | FCONTROL, static_cast<WORD>(item.ctrlKey), static_cast<WORD>(id)});
            }
            AppendMenuW(menu, MF_STRING, id, caption.c_str());
        }
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), wide(spec.caption).c_str());
    }
    shortcuts_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

HFONT CalculatorWindow::fontOf(HWND control) const {
    return control == this->control(Role::format)
               ? formatFont_
               : dialogFonts_.of(controlName(GetDlgCtrlID(control)));
}

SIZE CalculatorWindow::windowSize(UINT dpi) {
    const RECT client = pixelRect(main_window::client, dpi);
    return windowSizeFor({client.right, client.bottom}, windowStyle, 0, true, dpi);
}

void CalculatorWindow::layOut(UINT dpi) {
    // The new fonts are in the controls before the old ones go.
    DialogFonts dialogFonts(fittedTexts(), dpi);
    HFONT formatFont = makeFormatFont(dpi);
    std::swap(dialogFonts, dialogFonts_);
    std::swap(formatFont, formatFont_);
    LRESULT fieldHeight = 0;
    for (const Placed& placed : placed_) {
        const RECT place = pixelRect(placed.place, dpi, placed.origin);
        SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(placed.control)),
                     FALSE);
        if (placed.list) {
            fieldHeight = list(*placed.list).place(place, fieldHeight);
        } else {
            SetWindowPos(placed.control, nullptr, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (formatFont != nullptr) {
        DeleteObject(formatFont);
    }
    const SIZE outer = windowSize(dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    setIcons(dpi);
}

void CalculatorWindow::setIcons(UINT dpi) {
    // The window class's icons are those for 96 dots per inch.
    const bool classIcons = std::exchange(iconsDpi_, dpi) == dpi;
    if (classIcons) {
        return;
    }
    // The icons at this resolution, in place of those loaded here before, if any.
    for (const int kind : {ICON_BIG, ICON_SMALL}) {
        if (HICON icon = loadProgramIcon(kind, dpi)) {
            SendMessageW(window_, WM_SETICON, static_cast<WPARAM>(kind),
                         reinterpret_cast<LPARAM>(icon));
            HICON& shown = icons_.at(kind == ICON_BIG ? 0 : 1);
            if (shown != nullptr) {
                DestroyIcon(shown);
            }
            shown = icon;
        }
    }
}

HWND CalculatorWindow::control(Role role) const {
    return byRole_.at(static_cast<std::size_t>(role));
}

void CalculatorWindow::showSettings(const Settings& settings) {
    for (const Menu& menu : mainMenus) {
        for (const MenuItem& item : menu.items) {
            if (!item.command) {
                continue;
            }
            const auto model = modelOf(*item.command);
            const auto format = formatOf(*item.command);
            if (model || format) {
                const bool inForce = model == settings.model || format == settings.format;
                CheckMenuItem(menu_, static_cast<UINT>(*item.command),
                              MF_BYCOMMAND | (inForce ? MF_CHECKED : MF_UNCHECKED));
            }
        }
    }
    for (const auto& [role, model] : main_window::modelPictures) {
        const bool shown = (GetWindowLongPtrW(control(role), GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != (model == settings.model)) {
            ShowWindow(control(role), shown ? SW_HIDE : SW_SHOW);
        }
    }
    if (const std::wstring format = wide(main_window::formatCaption(settings.format));
        format != windowText(control(Role::format))) {
        SetWindowTextW(control(Role::format), format.c_str());
    }
}

void CalculatorWindow::enableCommands(bool /*enabled*/) {
    // Nothing to grey: a window under its message box is disabled, and one that gave its place
    // to a help window is hidden, so no one can open its menus; the controller refuses what an
    // assistive tool sends all the same.
}

void CalculatorWindow::openHelpWindow(HelpWindowKind which) {
    helpWindow_ =
        std::make_unique<HelpWindow>(which == HelpWindowKind::about ? aboutWindow : glossaryWindow,
                                     names_, [this] { returnFromHelpWindow(); });
    // Hiding keeps everything as it is: no list is left, and the focus comes back to it.
    ShowWindow(window_, SW_HIDE);
    helpWindow_->show(window_);
}

void CalculatorWindow::returnFromHelpWindow() {
    controller_.helpWindowClosed();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(lastFocus_);
    PostMessageW(window_, helpWindowGone, 0, 0);
}

void CalculatorWindow::endProgram() {
    DestroyWindow(window_);
}

std::string CalculatorWindow::resultText(ResultBox box) const {
    return utf8(windowText(control(box == ResultBox::hours ? Role::hours : Role::days)));
}

std::string CalculatorWindow::decimalSeparator() const {
    return win32::decimalSeparator();
}

void CalculatorWindow::controlEvent(int id, int code, HWND sender) {
    if (const auto found = std::find_if(
            main_window::listPlaces.begin(), main_window::listPlaces.end(),
            [id](const main_window::ListPlace& place) { return listId(place.list) == id; });
        found != main_window::listPlaces.end()) {
        const ListId which = found->list;
        OptionList& option = list(which);
        switch (code) {
        case CBN_SELCHANGE:
            if (option.picked()) {
                controller_.entryChosen(which);
            }
            return;
        case CBN_EDITCHANGE:
            if (option.edited()) {
                controller_.textArrived(which, option.hasFocus());
            }
            return;
        case CBN_SETFOCUS:
            lastFocus_ = option.handle();
            controller_.focusArrived(which);
            return;
        case CBN_KILLFOCUS:
            // The field keeps its text selected otherwise, marked as if it still had the focus.
            SendMessageW(option.handle(), CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
            return;
        case CBN_DROPDOWN:
            option.fitDropDown();
            return;
        case CBN_CLOSEUP:
            guardSecondClick(window_);
            return;
        default:
            return;
        }
    }
    const bool button = sender == control(Role::calculate) || sender == control(Role::clear);
    if ((button && code == BN_SETFOCUS) || (!button && code == EN_SETFOCUS)) {
        lastFocus_ = sender;
        controller_.focusArrived(std::nullopt);
        return;
    }
    if (button && code == BN_CLICKED) {
        controller_.pressed(sender == control(Role::calculate) ? Button::calculate : Button::clear);
    }
}

void CalculatorWindow::menuCommand(Command command) {
    // A shortcut may come while a drop-down is open: it closes first.
    if (controller_.takesInput()) {
        for (const OptionList& option : lists_) {
            option.closeDropDown();
        }
    }
    controller_.command(command);
}

LRESULT CalculatorWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (closing_) {
            return 0;
        }
        if (lParam != 0) {
            controlEvent(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        } else {
            menuCommand(static_cast<Command>(LOWORD(wParam)));
        }
        for (OptionList& option : lists_) {
            option.drawHeld();
        }
        return 0;
    case WM_CTLCOLORSTATIC: {
        auto* target = reinterpret_cast<HDC>(wParam);
        auto* from = reinterpret_cast<HWND>(lParam);
        if (from == control(Role::hours) || from == control(Role::days)) {
            // Read-only boxes keep the desktop's colours for a text field.
            SetTextColor(target, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(target, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        return labelColours(target,
                            main_window::lookOf(from == control(Role::format)
                                                    ? ControlKind::formatLabel
                                                    : ControlKind::label),
                            chromeBrush_);
    }
    case WM_ERASEBKGND:
        return eraseWith(window_, reinterpret_cast<HDC>(wParam), chromeBrush_);
    case WM_ACTIVATE:
    case WM_SETFOCUS:
        // The focus goes back where it last was, as in a dialog, when the window comes back
        // without it: after another window, a message box or a minimise, however those came.
        if ((message == WM_SETFOCUS || LOWORD(wParam) != WA_INACTIVE) && lastFocus_ != nullptr) {
            if (HWND focus = GetFocus(); focus == nullptr || !IsChild(window_, focus)) {
                SetFocus(lastFocus_);
            }
        }
        return 0;
    case WM_DPICHANGED:
        layOut(HIWORD(wParam));
        moveToSuggested(window_, lParam);
        return 0;
    case helpWindowGone:
        helpWindow_.reset();
        return 0;
    case firstPainted:
        names_.start();
        return 0;
    case WM_DESTROY: {
        // Ended by the user or the program ends the program; destroyed by its owner, the owner
        // goes on (as the tests do, a window each).
        const bool byOwner = closing_;
        closing_ = true;
        for (const OptionList& option : lists_) {
            names_.forget(option.handle());
            names_.forget(option.field());
        }
        for (const Placed& placed : placed_) {
            names_.forget(placed.control);
        }
        if (!byOwner) {
            PostQuitMessage(0);
        }
        return 0;
    }
    case WM_NCDESTROY: {
        HWND window = window_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        // The window no longer shows its icons.
        for (HICON& icon : icons_) {
            if (icon != nullptr) {
                DestroyIcon(icon);
                icon = nullptr;
            }
        }
        return result;
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

int CalculatorWindow::selectionIndex(ListId id) const {
    return list(id).chosen();
}

std::string CalculatorWindow::shownText(ListId id) const {
    return utf8(list(id).text());
}

void CalculatorWindow::clearList(ListId id) {
    list(id).clearEntries();
}

void CalculatorWindow::appendEntry(ListId id, std::string_view text) {
    list(id).appendEntry(wide(text));
}

void CalculatorWindow::setShownText(ListId id, std::string_view text) {
    list(id).showText(wide(text));
}

void CalculatorWindow::setResultText(ResultBox box, std::string_view text) {
    SetWindowTextW(control(box == ResultBox::hours ? Role::hours : Role::days), wide(text).c_str());
}

void CalculatorWindow::focusList(ListId id) {
    // As Tab does, so that typing replaces what the list shows.
    SetFocus(list(id).handle());
    list(id).selectText();
}

void CalculatorWindow::showMessage(std::string_view text, std::string_view title) {
    MessageBoxW(window_, wide(text).c_str(), wide(title).c_str(), MB_OK);
}

} // namespace hourvault::win32
