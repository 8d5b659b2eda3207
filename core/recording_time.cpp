#include "recording_time.h"

#include "decimal_text.h"
#include "option_tables.h"
#include "rate_tables.h"

namespace hourvault {

RecordingOutcome calculateRecordingTime(const std::array<ListReading, 6>& lists,
                                        std::string_view decimalSeparator) {
    for (const ListId list : allLists) {
        if (lists.at(indexOf(list)).selectionIndex < 0) {
            return MissingChoice{list, textsOf(list).missing};
        }
    }
    const auto& text = [&lists](ListId list) -> const std::string& {
        return lists.at(indexOf(list)).shownText;
    };

    const double cameraCount = lists.at(indexOf(ListId::cameras)).selectionIndex + 1;
    const double pictureSize = pictureKb(text(ListId::quality));
    const double rate = ratePerSecond(text(ListId::frameRate));
    const double audio = audioKbPerSecond(text(ListId::audio));
    const double disk = diskGb(text(ListId::hddsize));

    // Kept in this order: every product is a whole number and exact; only the divisions round.
    const double capacityKb = (disk * 1024) * 1024;
    const double kbPerSecond = ((cameraCount * pictureSize) * rate) + audio;
    const double kbPerHour = (kbPerSecond * 60) * 60;
    if (kbPerHour == 0.0) {
        return RecordingTime{};
    }
    const double hours = capacityKb / kbPerHour;
    const double days = hours / 24;
    return RecordingTime{roundedText(hours, 2, decimalSeparator),
                         roundedText(days, 1, decimalSeparator)};
}

} // namespace hourvault
