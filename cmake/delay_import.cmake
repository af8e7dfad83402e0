# Import libraries that load their DLL on the first call rather than at the
# program's start: each DLL the program needs only for a later command (file
# dialogs, sounds, the timetable server, the manual) made the start slower.
#
#   semarion_delay_import(VAR DLL FUNCTION...)
#
# sets VAR to an import library of DLL's FUNCTIONs, made by dlltool; a
# function of the DLL called anywhere in the program or its tests is listed,
# or the link finds no such symbol.
function(semarion_delay_import var dll)
  set(def ${CMAKE_BINARY_DIR}/delay/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
  list(JOIN ARGN "\n" functions)
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}.dll\nEXPORTS\n${functions}\n")
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
    DEPENDS ${def} VERBATIM)
  add_custom_target(${dll}_delay DEPENDS ${lib})
  add_library(${dll}_delay_import STATIC IMPORTED)
  set_target_properties(${dll}_delay_import PROPERTIES IMPORTED_LOCATION ${lib})
  add_dependencies(${dll}_delay_import ${dll}_delay)
  set(${var} ${dll}_delay_import PARENT_SCOPE)
endfunction()
