#pragma once

#include <QLoggingCategory>

namespace hourvault {

// What the program reports of its own failures, such as a picture it cannot read; filtered as
// "hourvault" in QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcHourvault)

} // namespace hourvault
