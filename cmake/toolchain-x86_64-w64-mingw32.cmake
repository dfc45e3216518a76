# The 64-bit test build.
set(MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
