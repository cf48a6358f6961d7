# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which GoogleTest needs for std::mutex). This is the build the tests run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
