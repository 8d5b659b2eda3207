#include "calculator_window.h"
#include "message_loop.h"
#include "program_services.h"

#include <cfloat>

// The recording time is worked out in IEEE double precision, as on every other system: never in
// the wider registers of the x87 unit (the 32-bit toolchain passes -mfpmath=sse for that).
static_assert(FLT_EVAL_METHOD == 0);

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    const hourvault::win32::ProgramServices services;
    hourvault::win32::CalculatorWindow window;
    if (window.handle() == nullptr) {
        return 1;
    }
    window.show(show);
    return hourvault::win32::runMessageLoop();
}
