#pragma once

#include <cstdint>

namespace hourvault {

// The two recorder models, by their channel count.
enum class Model : std::int16_t { tx4160 = 16, tx4090 = 9 };

// The two video formats; each offers resolutions, rates and disk sizes of its own.
enum class Format : std::int16_t { ntsc, pal };

// Model and video format in force. Nothing is saved: every run starts as below, and this is
// the one place that says so.
struct Settings {
    Model model = Model::tx4160;
    Format format = Format::ntsc;

    [[nodiscard]] constexpr bool isNtsc() const { return format == Format::ntsc; }
    [[nodiscard]] constexpr int channelCount() const { return static_cast<int>(model); }
};

} // namespace hourvault
