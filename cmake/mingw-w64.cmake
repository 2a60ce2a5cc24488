# Cross-builds the Windows program on Debian with the MinGW-w64 compilers of the posix
# threads variant (std::thread and std::mutex need it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Libraries and headers come from the cross root and from the prefix of the cross-built
# wxWidgets (given as CMAKE_PREFIX_PATH), never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# BOTH for libraries and headers: FindwxWidgets looks for wx-config's -lpng and for
# wx/version.h by the wx prefix's own paths.
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)

# One movarel.exe a user unpacks and runs: the compiler's own run-time libraries
# (libstdc++, libgcc, winpthread) are linked in rather than shipped as DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# GCC 12 at -O3 takes every std::string concatenation for an overlapping copy (-Wrestrict);
# the warning is the compiler's own false alarm and would bury the build's real ones.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
