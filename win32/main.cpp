#include "calculator_window.h"
#include "command_line.h"
#include "message_loop.h"
#include "program_services.h"
#include "text.h"

#include <cfloat>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// The recording time is worked out in IEEE double precision, as on every other system: never in
// the wider registers of the x87 unit (the 32-bit toolchain passes -mfpmath=sse for that).
static_assert(FLT_EVAL_METHOD == 0);

namespace {

// The answer goes where the program's output goes: a file or a pipe it was given, else the
// console it was started from; started from the desktop, which gives it neither, into a
// message box.
void tell(const std::string& answer) {
    using hourvault::win32::wide;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN &&
        WriteFile(out, answer.data(), static_cast<DWORD>(answer.size()), &written, nullptr)) {
        return;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        if (console != INVALID_HANDLE_VALUE) {
            // The prompt came back when the program started: the answer begins on a line of
            // its own.
            const std::wstring text = L"\r\n" + wide(answer);
            WriteConsoleW(console, text.c_str(), static_cast<DWORD>(text.size()), &written,
                          nullptr);
            CloseHandle(console);
            FreeConsole();
            return;
        }
        FreeConsole();
    }
    MessageBoxW(nullptr, wide(answer).c_str(), L"Hourvault", MB_OK);
}

} // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
    // The arguments as the C run-time split them, by Windows' rules.
    std::vector<std::string> texts;
    for (int i = 1; i < __argc; ++i) {
        texts.push_back(hourvault::win32::utf8(__wargv[i]));
    }
    const std::vector<std::string_view> arguments(texts.begin(), texts.end());
    if (const auto answer =
            hourvault::commandLineAnswer(arguments, "hourvault", HOURVAULT_VERSION)) {
        tell(*answer);
        return 0;
    }
    const hourvault::win32::ProgramServices services;
    SetLastError(ERROR_SUCCESS);
    hourvault::win32::CalculatorWindow window;
    if (window.hwnd() == nullptr) {
        // Said, not ended in silence: why Windows would not make the window, where it says.
        std::wstring text = L"Hourvault cannot open its window.";
        wchar_t* reason = nullptr;
        if (const DWORD error = GetLastError();
            error != ERROR_SUCCESS &&
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0,
                           nullptr) != 0) {
            text += L"\n\n" + std::wstring(reason);
            LocalFree(reason);
        }
        MessageBoxW(nullptr, text.c_str(), L"Hourvault", MB_OK | MB_ICONERROR);
        return 1;
    }
    window.show(show);
    return hourvault::win32::runMessageLoop();
}
