# MinGW-w64, i686 (the program's native 32-bit form). 32-bit programs cannot run on the
# build machines, so this build has no emulator and registers no tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TAVORIN_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${TAVORIN_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVORIN_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${TAVORIN_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVORIN_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
