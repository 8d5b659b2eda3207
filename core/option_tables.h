#pragma once

#include "lists.h"
#include "settings.h"

#include <array>
#include <span>
#include <string_view>

namespace hourvault {

// An entry text and the number it stands for. Each table feeds both the list that offers the
// texts and the lookup that reads a chosen text back.
struct Option {
    std::string_view text;
    int value;
};

// Index 0 is the CIF entry and index 1 the 2CIF entry, in either format.
[[nodiscard]] std::span<const std::string_view> resolutionEntries(Format format);

// Quality steps by resolution index; the value is the size of one picture in KB.
[[nodiscard]] std::span<const Option> qualityEntries(int resolutionIndex);

// Audio options; the value is KB per second for the whole recorder.
extern const std::array<Option, 3> audioEntries;

// Disk sizes of each format; the value is in GB (one TB counts as 1000 GB).
[[nodiscard]] std::span<const Option> hddSizeEntries(Format format);

// Lookups by exact, case-sensitive text over every entry the lists can offer; 0 for a text
// that matches no entry.
[[nodiscard]] double pictureKb(std::string_view text);
[[nodiscard]] double audioKbPerSecond(std::string_view text);
[[nodiscard]] double diskGb(std::string_view text);

} // namespace hourvault
