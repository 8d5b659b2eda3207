#include "list_leave_rule.h"

#include "calculator.h"

namespace hourvault {

void ListLeaveRule::focusArrived(std::optional<ListId> list) {
    const std::optional<ListId> leaving = held_;
    held_ = list;
    if (leaving && leaving != list) {
        calculator_.listLeft(*leaving);
    }
}

void ListLeaveRule::textArrived(ListId list, bool listHoldsFocus) {
    if (!listHoldsFocus) {
        calculator_.listLeft(list);
    }
}

} // namespace hourvault
