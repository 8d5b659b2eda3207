# What both MinGW-w64 toolchain files share; HOURVAULT_MINGW_TRIPLE names the target.
set(CMAKE_C_COMPILER ${HOURVAULT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HOURVAULT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HOURVAULT_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HOURVAULT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Every program links its C and C++ libraries and the threads library in: it needs no DLL but
# Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Tests run under Wine, in a prefix of the build tree's own (cmake/wine-run).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
