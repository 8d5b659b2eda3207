#pragma once

// What a user reads in the lists while nothing is chosen, and in the Missing Data box, written
// out once for every test; the end-to-end script reads the prompts from here too. Kept apart
// from the program's own table, so that a slip there shows.

#include <array>
#include <string_view>

namespace hourvault::expected {

// In the order Calculate checks the lists: cameras, resolution, quality, recording rate,
// audio, disk size.
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

} // namespace hourvault::expected
