#pragma once

// What a user reads in the lists while nothing is chosen and in the Missing Data box, and the
// typical request with the results it gives, written out once for every test, the benchmarks
// and the end-to-end script, which reads them from here too. Kept apart from the program's own
// tables, so that a slip there shows.

#include "lists.h"
#include "settings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hourvault::expected {

namespace detail {
// In the order Calculate checks the lists: cameras, resolution, quality, recording rate,
// audio, disk size. Read them by list, below.
inline constexpr std::array<std::string_view, 6> prompts{
    "< select # of cameras >",   "< select resolution >",    "< select picture quality >",
    "< select recording rate >", "< select audio quality >", "< select HDD size >"};

inline constexpr std::array<std::string_view, 6> missingMessages{
    "You must select the number of cameras.",
    "You must select the resolution.",
    "You must select the picture quality.",
    "You must select the recording rate.",
    "You must select the audio quality.  (You may also select 'No Audio')",
    "You must select the HDD size."};
} // namespace detail

[[nodiscard]] constexpr std::string_view prompt(ListId list) {
    return detail::prompts.at(indexOf(list));
}

[[nodiscard]] constexpr std::string_view message(ListId list) {
    return detail::missingMessages.at(indexOf(list));
}

// Six choices, in the lists' order, and what Calculate shows for them.
struct Request {
    std::array<std::string_view, 6> choices;
    std::string_view hours;
    std::string_view days;

    [[nodiscard]] constexpr std::string_view choice(ListId list) const {
        return choices.at(indexOf(list));
    }
};

// NTSC, the TX-4160: 8 cameras at 2CIF, Q4, 7 images a second, no audio, 500 GB.
inline constexpr Request typical{
    {"8", "720 x 240 (2CIF)", "Q4 (13KB)", "7", "No Audio", "500 GB"}, "200.05", "8.3"};

// What a list offers right after start-up, a reset, or a change of model or format.
[[nodiscard]] inline std::vector<std::string> freshEntries(ListId list, Model model,
                                                           Format format) {
    const bool ntsc = format == Format::ntsc;
    switch (list) {
    case ListId::cameras: {
        std::vector<std::string> counts;
        for (int n = 1; n <= (model == Model::tx4160 ? 16 : 9); ++n) {
            counts.push_back(std::to_string(n));
        }
        return counts;
    }
    case ListId::resolution:
        return ntsc ? std::vector<std::string>{"360 x 240 (CIF)", "720 x 240 (2CIF)"}
                    : std::vector<std::string>{"360 x 288 (CIF)", "720 x 288 (2CIF)"};
    case ListId::audio:
        return {"No Audio", "8 kHz Audio (8KB/sec)", "12 kHz Audio (12KB/sec)"};
    case ListId::hddsize:
        return ntsc ? std::vector<std::string>{"250 GB", "500 GB", "750 GB", "1 TB", "1.2 TB"}
                    : std::vector<std::string>{"320 GB", "640 GB", "1 TB"};
    case ListId::quality:
    case ListId::frameRate:
        break;
    }
    return {};
}

} // namespace hourvault::expected
