#include "option_tables.h"

#include <algorithm>

namespace hourvault {

namespace {

constexpr std::array<std::string_view, 2> ntscResolutions{"360 x 240 (CIF)", "720 x 240 (2CIF)"};
constexpr std::array<std::string_view, 2> palResolutions{"360 x 288 (CIF)", "720 x 288 (2CIF)"};

constexpr std::array<Option, 7> cifQualities{{
    {"Q7 (11KB)", 11},
    {"Q6 (10KB)", 10},
    {"Q5 (9KB)", 9},
    {"Q4 (8KB)", 8},
    {"Q3 (6KB)", 6},
    {"Q2 (5KB)", 5},
    {"Q1 (3KB)", 3},
}};

constexpr std::array<Option, 7> twoCifQualities{{
    {"Q7 (18KB)", 18},
    {"Q6 (17KB)", 17},
    {"Q5 (15KB)", 15},
    {"Q4 (13KB)", 13},
    {"Q3 (10KB)", 10},
    {"Q2 (7KB)", 7},
    {"Q1 (5KB)", 5},
}};

// "1 TB" is offered in both formats; it is written once here.
constexpr Option oneTerabyte{"1 TB", 1000};

constexpr std::array<Option, 5> ntscDisks{{
    {"250 GB", 250},
    {"500 GB", 500},
    {"750 GB", 750},
    oneTerabyte,
    {"1.2 TB", 1200},
}};

constexpr std::array<Option, 3> palDisks{{
    {"320 GB", 320},
    {"640 GB", 640},
    oneTerabyte,
}};

double lookup(std::span<const Option> table, std::string_view text) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [text](const Option& option) { return option.text == text; });
    return found == table.end() ? 0.0 : static_cast<double>(found->value);
}

} // namespace

const std::array<Option, 3> audioEntries{{
    {"No Audio", 0},
    {"8 kHz Audio (8KB/sec)", 8},
    {"12 kHz Audio (12KB/sec)", 12},
}};

std::span<const std::string_view> resolutionEntries(Format format) {
    return format == Format::ntsc ? ntscResolutions : palResolutions;
}

std::span<const Option> qualityEntries(int resolutionIndex) {
    switch (resolutionIndex) {
    case 0:
        return cifQualities;
    case 1:
        return twoCifQualities;
    default:
        return {};
    }
}

std::span<const Option> hddSizeEntries(Format format) {
    return format == Format::ntsc ? std::span<const Option>(ntscDisks)
                                  : std::span<const Option>(palDisks);
}

double pictureKb(std::string_view text) {
    const double cif = lookup(cifQualities, text);
    return cif != 0.0 ? cif : lookup(twoCifQualities, text);
}

double audioKbPerSecond(std::string_view text) {
    return lookup(audioEntries, text);
}

double diskGb(std::string_view text) {
    const double ntsc = lookup(ntscDisks, text);
    return ntsc != 0.0 ? ntsc : lookup(palDisks, text);
}

} // namespace hourvault
