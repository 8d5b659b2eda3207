#include "calculator.h"
#include "option_tables.h"
#include "recording_time.h"

namespace hourvault {

void Calculator::calculate(std::string_view decimalSeparator) {
    std::array<ListReading, 6> readings;
    for (const ListId list : allLists) {
        readings.at(indexOf(list)) = {window_.selectionIndex(list), window_.shownText(list)};
    }
    const RecordingOutcome outcome = calculateRecordingTime(readings, decimalSeparator);
    if (const auto* missing = std::get_if<MissingChoice>(&outcome)) {
        window_.showMessage(missing->message, missingDataTitle);
        window_.focusList(missing->list);
        return;
    }
    const auto& time = std::get<RecordingTime>(outcome);
    window_.setResultText(ResultBox::hours, time.hours);
    window_.setResultText(ResultBox::days, time.days);
}

} // namespace hourvault
