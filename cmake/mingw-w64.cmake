# Cross-builds the Windows program with the mingw-w64 toolchain (posix thread model) on Linux.
# Executables link the C++ runtime statically, so kelvaron.exe needs only Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVARON_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVARON_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVARON_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVARON_MINGW_PREFIX}-windres)
set(CMAKE_AR ${KELVARON_MINGW_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${KELVARON_MINGW_PREFIX}-ranlib CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${KELVARON_MINGW_PREFIX}-objdump CACHE FILEPATH "")

# Only the mingw sysroot is searched for libraries and headers; /usr/include must never leak in,
# its glibc headers clash with mingw's.
set(CMAKE_FIND_ROOT_PATH /usr/${KELVARON_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static also pulls in libwinpthread, which the posix thread model otherwise loads as a DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables (and gtest's discovery) run under Wine through a wrapper that owns the prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh
                                   ${CMAKE_BINARY_DIR}/wineprefix)
