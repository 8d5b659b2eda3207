# Cross-builds the Windows program on Debian: a 32-bit (PE32) GUI program from MinGW-w64, which
# runs on every 32- and 64-bit Windows. The -posix compilers have std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HOURVAULT_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
