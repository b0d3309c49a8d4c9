# Shared part of the MinGW-w64 toolchain files: the caller sets
# GORVI_MINGW_TRIPLET (i686-w64-mingw32 or x86_64-w64-mingw32) and
# GORVI_WINE_LOADER first.
set(CMAKE_SYSTEM_NAME Windows)
# The POSIX thread model: its libstdc++ has std::mutex, which GoogleTest
# needs (the win32 model of GCC 12 lacks it). Linked statically, it adds no DLL.
set(CMAKE_C_COMPILER ${GORVI_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GORVI_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${GORVI_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GORVI_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Programs built here run through Wine, by way of a wrapper that says in one
# line when this machine cannot run them.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${GORVI_WINE_LOADER})
