# MinGW-w64, x86_64, posix thread model (std::thread/std::mutex and GoogleTest need it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAVORIN_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TAVORIN_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVORIN_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${TAVORIN_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVORIN_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests run under Wine through the wrapper the top-level project writes into the build tree.
set(TAVORIN_RUN_UNDER_WINE ON)
