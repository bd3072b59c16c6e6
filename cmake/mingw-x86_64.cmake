# Cross-builds the 64-bit Windows DLL, command line and tests with mingw-w64 (posix threads
# variant, which has std::thread and std::mutex); CTest runs the programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QALT2MORV_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
