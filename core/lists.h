#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace hourvault {

// The six option lists, in the order Calculate checks them.
enum class ListId { cameras, resolution, quality, frameRate, audio, hddsize };
inline constexpr std::size_t listCount = 6;

[[nodiscard]] constexpr std::size_t indexOf(ListId list) {
    return static_cast<std::size_t>(list);
}

// What a list shows while nothing is chosen, and what Calculate says when nothing is.
struct ListTexts {
    ListId list;
    std::string_view prompt;
    std::string_view missing;
};

// One row per list, in ListId's order.
inline constexpr std::array<ListTexts, listCount> listTexts{{
    {ListId::cameras, "< select # of cameras >", "You must select the number of cameras."},
    {ListId::resolution, "< select resolution >", "You must select the resolution."},
    {ListId::quality, "< select picture quality >", "You must select the picture quality."},
    {ListId::frameRate, "< select recording rate >", "You must select the recording rate."},
    {ListId::audio, "< select audio quality >",
     "You must select the audio quality.  (You may also select 'No Audio')"},
    {ListId::hddsize, "< select HDD size >", "You must select the HDD size."},
}};

// The title of the box that names a list without a choice.
inline constexpr std::string_view missingDataTitle = "Missing Data";

// Whether a table of rows, each naming its list, holds one row per list in ListId's order, so
// that a list's row is found by its index.
template <typename Rows> [[nodiscard]] constexpr bool inListOrder(const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (indexOf(rows.at(i).list) != i) {
            return false;
        }
    }
    return rows.size() == listCount;
}
static_assert(inListOrder(listTexts), "listTexts must hold one row per list, in ListId's order");

// Every list, in checking order.
inline constexpr std::array<ListId, listTexts.size()> allLists = [] {
    std::array<ListId, listTexts.size()> lists{};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        lists.at(i) = listTexts.at(i).list;
    }
    return lists;
}();

[[nodiscard]] constexpr const ListTexts& textsOf(ListId list) {
    return listTexts.at(indexOf(list));
}

} // namespace hourvault
