# The 32-bit release build.
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
