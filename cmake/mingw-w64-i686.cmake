# 32-bit Windows: the program we ship, for NT 4.0, 2000 and XP on x86.
set(KALMORA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
