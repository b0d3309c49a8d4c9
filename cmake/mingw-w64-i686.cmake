# 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686). Programs and
# tests run through Wine's 32-bit loader (Debian: wine32:i386, after
# dpkg --add-architecture i386); where it cannot run, the tests say so and
# are skipped.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(GORVI_MINGW_TRIPLET i686-w64-mingw32)
set(GORVI_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
