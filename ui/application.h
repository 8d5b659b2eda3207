#pragma once

namespace hourvault {

// The program-wide settings, made once the application exists and before its window is built.
void prepareApplication();

} // namespace hourvault
