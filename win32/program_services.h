#pragma once

#include <windows.h>

namespace hourvault::win32 {

// What the program's windows need for as long as they live. The common controls are set up
// before the first window is built. GDI+, which reads the pictures kept as files and draws a
// picture at a scale of its own, and COM on this thread, for the accessibility annotations and
// what screen readers ask, start when first needed, so that neither holds up the first paint
// where it is not needed for it. All end with this object.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();

    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    // GDI+ running: started now if it was not. False if it cannot start, or no ProgramServices
    // lives.
    [[nodiscard]] static bool pictures();
    // COM on this thread, apartment-threaded: started now if it was not. False likewise.
    [[nodiscard]] static bool com();

private:
    static ProgramServices* running_;

    bool picturesTried_ = false;
    bool picturesStarted_ = false;
    ULONG_PTR pictures_ = 0;
    bool comTried_ = false;
    HRESULT com_ = E_FAIL;
};

} // namespace hourvault::win32
