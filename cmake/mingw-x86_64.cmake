# 64-bit Windows: the same program for 64-bit hosts.
set(HUSHWALL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
