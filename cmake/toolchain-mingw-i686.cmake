# 32-bit Windows: the deliverable.
set(ULMO_MINGW_CPU i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
