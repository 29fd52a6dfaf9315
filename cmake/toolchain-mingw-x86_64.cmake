# 64-bit Windows: the twin of the i686 build, for kernels without 32-bit code and for results
# larger than a 32-bit process can hold.
set(ULMO_MINGW_CPU x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
