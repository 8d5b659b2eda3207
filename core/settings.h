#pragma once

#include <cstdint>

namespace hourvault {

// The two recorder models, by their channel count.
enum class Model : std::int16_t { tx4160 = 16, tx4090 = 9 };

// Model and video format in force. Nothing is saved: every run starts as below.
struct Settings {
    bool isNtsc = true;
    std::int16_t channelCount = static_cast<std::int16_t>(Model::tx4160);
};

} // namespace hourvault
