# Cross-build for 32-bit Windows hosts with MinGW-w64 (Debian's
# g++-mingw-w64-i686-posix). The posix thread model is required: the engine
# works out fee sheets on a std::thread of its own during a call.
#
#   cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake ...
#
# scripts/build-windows.sh runs this with the other settings it needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(FTCALC_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${FTCALC_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FTCALC_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${FTCALC_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FTCALC_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
