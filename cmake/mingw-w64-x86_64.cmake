# 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64); programs and
# tests run through Wine (Debian: wine64).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(GORVI_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
