#pragma once

#include <windows.h>

namespace hourvault::win32 {

// What the program's windows need for as long as they live: COM on this thread for the
// accessibility annotations and the common controls, set up before the first window is built,
// and GDI+, which reads the pictures kept as files and draws a picture at a scale of its own,
// started when first needed. All end with this object.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();

    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    // GDI+ running: started now if it was not. False if it cannot start, or no ProgramServices
    // lives.
    [[nodiscard]] static bool pictures();

private:
    static ProgramServices* running_;

    HRESULT com_;
    bool picturesTried_ = false;
    bool picturesStarted_ = false;
    ULONG_PTR pictures_ = 0;
};

} // namespace hourvault::win32
