#pragma once

#include "lists.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace hourvault {

// What Calculate reads from one list at the moment of the command.
struct ListReading {
    int selectionIndex = -1;
    std::string shownText;
};

// The first list without a choice, and what to tell the user about it.
struct MissingChoice {
    ListId list;
    std::string_view message;
};

// Both texts are empty when the choices leave nothing to divide by.
struct RecordingTime {
    std::string hours;
    std::string days;
};

using RecordingOutcome = std::variant<MissingChoice, RecordingTime>;

// From the six lists, in checking order, to the recording time the disk allows. Pure: it
// reads neither the model nor the format, and writes nothing.
[[nodiscard]] RecordingOutcome calculateRecordingTime(const std::array<ListReading, 6>& lists,
                                                      std::string_view decimalSeparator);

} // namespace hourvault
