#include "logging.h"

namespace hourvault {

Q_LOGGING_CATEGORY(lcHourvault, "hourvault")

} // namespace hourvault
