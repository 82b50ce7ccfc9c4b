# The Windows build (cmake/toolchain-mingw-i686.cmake): what a Debian host
# lacks for it, made here, and the link rules of a DLL that a user's
# machine can load.
#
#   FTCALC_SQLITE_SOURCE_DIR  an unpacked sqlite-autoconf release; sqlite3.dll
#                             is built from its amalgamation and the engine
#                             links to it dynamically, so that it drives the
#                             host's own SQLite library
#   FTCALC_CLI11_INCLUDE_DIR  a folder holding CLI/CLI.hpp (header-only)

# The GCC runtime (libgcc, libstdc++, winpthread) goes into every binary:
# a user's machine has none of MinGW's DLLs.
add_link_options(-static $<$<CONFIG:Release>:-s>)
# Windows' own DLLs only: msvcrt, kernel32, user32, gdi32.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

set(FTCALC_SQLITE_SOURCE_DIR "" CACHE PATH "unpacked sqlite-autoconf source (builds sqlite3.dll)")
if(NOT EXISTS "${FTCALC_SQLITE_SOURCE_DIR}/sqlite3.c")
  message(FATAL_ERROR "FTCALC_SQLITE_SOURCE_DIR must name an unpacked sqlite-autoconf release "
                      "(scripts/build-windows.sh fetches one)")
endif()
add_library(sqlite3_dll SHARED ${FTCALC_SQLITE_SOURCE_DIR}/sqlite3.c)
set_target_properties(sqlite3_dll PROPERTIES PREFIX "" OUTPUT_NAME sqlite3 C_VISIBILITY_PRESET default)
# The options of the library a host would ship; none of them changes a result.
target_compile_definitions(sqlite3_dll
  PRIVATE "SQLITE_API=__declspec(dllexport)" SQLITE_THREADSAFE=1 SQLITE_ENABLE_COLUMN_METADATA
          SQLITE_ENABLE_MATH_FUNCTIONS SQLITE_ENABLE_FTS4 SQLITE_ENABLE_FTS5 SQLITE_ENABLE_RTREE
          SQLITE_ENABLE_DBSTAT_VTAB)
target_compile_options(sqlite3_dll PRIVATE -O2 -w)
target_include_directories(sqlite3_dll INTERFACE ${FTCALC_SQLITE_SOURCE_DIR})
add_library(SQLite::SQLite3 ALIAS sqlite3_dll)

set(FTCALC_CLI11_INCLUDE_DIR "" CACHE PATH "folder holding CLI/CLI.hpp")
if(FTCALC_CLI11_INCLUDE_DIR)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${FTCALC_CLI11_INCLUDE_DIR})
endif()
