# 32-bit Windows: the program as specified.
set(HUSHWALL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
