#pragma once

#include <windows.h>

namespace hourvault::win32 {

// What the program's windows need before the first is built, for as long as they live: COM on
// this thread for the accessibility annotations, the common controls, and GDI+, which reads
// the pictures.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();

    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

private:
    HRESULT com_;
    ULONG_PTR pictures_ = 0;
};

} // namespace hourvault::win32
