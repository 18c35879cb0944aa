# 32-bit Windows: the program we ship, for NT 4.0, 2000 and XP on x86.
set(KALMORA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# The processor floor is the Pentium: Debian's i686 compilers default to the Pentium Pro, whose
# cmov the Pentium, the K6 and the other Socket 7 processors lack. Tuned for the Pentium Pro to
# Pentium III most of these machines have (generic tuning would write a count of trailing zeros
# as "rep bsf", the encoding of the newer tzcnt). The runtime libraries are
# rebuilt for it (scripts/build-i586-runtime); -B and -L put them before the compiler's own.
set(CMAKE_C_FLAGS_INIT "-march=pentium -mtune=pentiumpro")
set(CMAKE_CXX_FLAGS_INIT "-march=pentium -mtune=pentiumpro")
get_filename_component(KALMORA_I586_RUNTIME ${CMAKE_CURRENT_LIST_DIR}/../.deps/i586-runtime
                       ABSOLUTE)
if(EXISTS ${KALMORA_I586_RUNTIME}/libstdc++.a)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${KALMORA_I586_RUNTIME}/ -L${KALMORA_I586_RUNTIME}")
endif()
