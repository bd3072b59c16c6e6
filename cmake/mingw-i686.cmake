# Cross-builds the 32-bit Windows DLL, command line and tests with mingw-w64 (posix threads
# variant). The processor name "x86" makes the build use SSE2 arithmetic, never x87.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QALT2MORV_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
