#include "main_layout.h"

#include "centred_line.h"
#include "control_ids.h"
#include "dpi.h"
#include "frame.h"
#include "pictures.h"
#include "text.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace hourvault::win32 {

namespace {

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
std::vector<LayoutRow> fittedTexts() {
    std::vector<LayoutRow> texts(main_window::controls.begin(), main_window::controls.end());
    texts.insert(texts.end(), main_window::resultControls.begin(),
                 main_window::resultControls.end());
    return texts;
}

HFONT makeFormatFont(UINT dpi) {
    return makeFont(wide(main_window::formatFont.family).c_str(), main_window::formatFont.points,
                    main_window::formatFont.bold, dpi);
}

} // namespace

void MainLayout::create(HWND window, UINT dpi, const Settings& start, AccessibleNames& names) {
    dialogFonts_ = DialogFonts(fittedTexts(), dpi);
    formatFont_.reset(makeFormatFont(dpi));
    const TwipsRect& result = byRole(main_window::controls, Role::resultFrame).place;
    LRESULT fieldHeight = 0;
    for (const Part& part : stackingOrder()) {
        if (part.table == Part::Table::list) {
            const main_window::ListPlace& place = main_window::listPlaces.at(part.row);
            OptionList& made = list(place.list);
            const LayoutRow& frame = byRole(main_window::controls, place.frame);
            const TwipsPoint origin{frame.place.left, frame.place.top};
            fieldHeight = made.create(window, listId(place.list),
                                      pixelRect(main_window::listPlace, dpi, origin),
                                      dialogFonts_.of(place.name), fieldHeight);
            // Named as its frame is, the field the focus goes to as well.
            made.setAccessibleName(wide(frame.accessibleText));
            names.name(made.hwnd(), wide(frame.accessibleText));
            names.name(made.field(), wide(frame.accessibleText));
            byRole_.at(static_cast<std::size_t>(place.role)) = made.hwnd();
            placed_.push_back({made.hwnd(), main_window::listPlace, origin, place.list});
            continue;
        }
        const bool inResult = part.table == Part::Table::result;
        const LayoutRow& spec = inResult ? main_window::resultControls.at(part.row)
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
                               0, window, id, place);
            break;
        case ControlKind::frame:
            made = createFrame(window, id, text.c_str(), place,
                               spec.role == Role::resultFrame
                                   ? std::optional<main_window::LineSpec>(main_window::line)
                                   : std::nullopt);
            names.role(made, ROLE_SYSTEM_GROUPING);
            break;
        case ControlKind::picture: {
            // Only the pictures of the model in force show.
            const auto model =
                std::find_if(main_window::modelPictures.begin(), main_window::modelPictures.end(),
                             [&spec](const main_window::ModelPicture& picture) {
                                 return picture.role == spec.role;
                             });
            made = createPicture(window, id, spec, place,
                                 model == main_window::modelPictures.end() ||
                                     model->model == start.model);
            names.role(made, ROLE_SYSTEM_GRAPHIC);
            break;
        }
        case ControlKind::formatLabel:
            made = makeControl(L"STATIC", wide(main_window::formatCaption(start.format)),
                               WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, window, id, place);
            break;
        case ControlKind::label:
            made = makeControl(L"STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, window, id,
                               place);
            break;
        case ControlKind::resultBox:
            made = makeControl(L"EDIT", L"", WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL,
                               WS_EX_CLIENTEDGE, window, id, place);
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
            spec.kind == ControlKind::formatLabel ? names.describe(made, wide(spec.accessibleText))
                                                  : names.name(made, wide(spec.accessibleText));
        }
        placed_.push_back({made, spec.place, origin, std::nullopt});
    }
}

void MainLayout::layOut(UINT dpi) {
    // The new fonts are in the controls before the old ones go.
    DialogFonts dialogFonts(fittedTexts(), dpi);
    Font formatFont(makeFormatFont(dpi));
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
}

void MainLayout::drawHeld() {
    for (OptionList& option : lists_) {
        option.drawHeld();
    }
}

void MainLayout::forgetNames(const AccessibleNames& names) const {
    for (const OptionList& option : lists_) {
        names.forget(option.field());
    }
    for (const Placed& placed : placed_) {
        names.forget(placed.control);
    }
}

HFONT MainLayout::fontOf(HWND control) const {
    return control == this->control(Role::format)
               ? formatFont_.get()
               : dialogFonts_.of(controlName(GetDlgCtrlID(control)));
}

} // namespace hourvault::win32
