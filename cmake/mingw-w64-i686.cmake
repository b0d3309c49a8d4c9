# 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686). This machine's
# kernel cannot run 32-bit x86 code, so there is no emulator: the build is
# checked, not run.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(GORVI_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
