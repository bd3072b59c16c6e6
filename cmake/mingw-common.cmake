# What the two mingw-w64 tool chain files share: compilers, search roots and the Wine
# emulator through which CTest runs the Windows programs.
set(CMAKE_C_COMPILER ${QALT2MORV_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QALT2MORV_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QALT2MORV_MINGW_TRIPLET}-windres)

# Headers and libraries come from the mingw-w64 tree only, never from the Linux host.
set(CMAKE_FIND_ROOT_PATH /usr/${QALT2MORV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine's own 64-bit loader runs 64-bit programs even where the 32-bit one is installed but
# cannot run; a 32-bit program needs the wine wrapper (and wine32).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(QALT2MORV_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
endif()
find_program(QALT2MORV_WINE NAMES wine)
if(QALT2MORV_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QALT2MORV_WINE})
endif()
