# Cross toolchain: 32-bit Windows with MinGW-w64, posix thread model
# (the win32 thread model cannot build GoogleTest).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VORLAN_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VORLAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORLAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VORLAN_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORLAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program runs on a bare Windows: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

