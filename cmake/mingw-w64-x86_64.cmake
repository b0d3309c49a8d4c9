# 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64). Programs and
# tests run through Wine's 64-bit loader (Debian: wine64); where it cannot
# run, the tests say so and are skipped.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(GORVI_MINGW_TRIPLET x86_64-w64-mingw32)
set(GORVI_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
