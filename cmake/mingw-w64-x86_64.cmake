# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which
# std::thread and std::mutex need). The libraries built by scripts/setup-windows.sh are found
# under FELDSPAN_WIN_CACHE; the programs built here run under wine as CMake's emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_SYSTEM_VERSION 10)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT FELDSPAN_WIN_CACHE AND DEFINED ENV{FELDSPAN_WIN_CACHE})
  set(FELDSPAN_WIN_CACHE "$ENV{FELDSPAN_WIN_CACHE}")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
if(FELDSPAN_WIN_CACHE)
  list(APPEND CMAKE_FIND_ROOT_PATH ${FELDSPAN_WIN_CACHE}/qt ${FELDSPAN_WIN_CACHE}/libusb
       ${FELDSPAN_WIN_CACHE}/gtest)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(FELDSPAN_WINE NAMES wine wine64)
if(FELDSPAN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${FELDSPAN_WINE})
endif()
