# Delay-loaded system DLLs: a DLL the first window does not need is loaded on the first call
# into it, not by the loader before the program starts (each DLL Wine loads costs milliseconds).
#
# kalmora_delay_load_library(<variable> <dll> <function list>) makes an import library that
# loads <dll> on first use, for the functions named in the list (one a line, "#" comments: the
# lists of tests/imports/nt4, which are what Windows NT 4.0 SP6 has), and sets <variable> to it.
# A function not on the list still comes from the ordinary import library linked after it, so
# the import check of the shipped program keeps seeing everything beyond the list.
# The helper that loads a DLL on first use (__delayLoadHelper2) is in mingw-w64's runtime.

function(kalmora_delay_load_library variable dll list)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
                  OUTPUT_VARIABLE import_library OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${import_library}")
    message(FATAL_ERROR "no import library lib${dll}.a for ${CMAKE_CXX_COMPILER}")
  endif()
  # On 32-bit Windows the import library knows each function's stdcall decoration (@n), which a
  # definition file must repeat; its symbols read "__imp__Name@n" there, "__imp_Name" on x64.
  execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${import_library}
                  OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${CMAKE_NM} could not read ${import_library}")
  endif()
  file(STRINGS ${list} lines)
  set(definitions "LIBRARY ${dll}.dll\nEXPORTS\n")
  set(keep "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*" "" name "${line}")
    string(STRIP "${name}" name)
    if(name STREQUAL "")
      continue()
    endif()
    if(symbols MATCHES " __imp__?(${name}(@[0-9]+)?)\n")
      string(APPEND definitions "${CMAKE_MATCH_1}\n")
      list(APPEND keep "-Wl,-u,_${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(directory ${CMAKE_BINARY_DIR}/delay_load)
  file(MAKE_DIRECTORY ${directory})
  set(def ${directory}/${dll}.def)
  set(library ${directory}/lib${dll}_delay.a)
  file(CONFIGURE OUTPUT ${def} CONTENT "${definitions}")
  # --kill-at: the DLL exports the names without their decoration.
  execute_process(COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${def} --dllname ${dll}.dll
                          --output-delaylib ${library}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${CMAKE_DLLTOOL} could not make the delay-load library of ${dll}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list})
  # The 32-bit linker drops the code of an import library's member when the program names only
  # the member's "__imp_" pointer, as calls through the headers' dllimport do. In a delay-load
  # library that code is what the pointer starts at (the stub that loads the DLL): dropped, the
  # pointer is null and the first call jumps to address 0. Naming each stub keeps it.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(${variable} ${keep} ${library} PARENT_SCOPE)
  else()
    set(${variable} ${library} PARENT_SCOPE)
  endif()
endfunction()
