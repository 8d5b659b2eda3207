# Cross-builds the Windows program on Debian: a 32-bit (PE32) GUI program from MinGW-w64, which
# runs on every 32- and 64-bit Windows. The -posix compilers have std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HOURVAULT_MINGW_TRIPLE i686-w64-mingw32)
# Doubles in SSE2 registers, as on x86-64: the recording time is worked out in plain IEEE double
# precision, never in the x87 unit's wider registers. Every Windows the program runs on has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
