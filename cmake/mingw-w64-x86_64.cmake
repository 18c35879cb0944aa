# 64-bit Windows: not shipped (our users' systems are 32-bit), but this machine's Wine runs only
# 64-bit programs, so the tests run this build of the same source.
set(KALMORA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
