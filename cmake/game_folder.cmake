# The program as a player gets it: semarion.exe in its game folder (Stacje,
# Tabor, Audio, narzedzia beside it), staged in the build tree for the play
# command and zipped by the package target.

# The exe ships without its DWARF sections (about 40 MB the process would map):
# they stay in bin/semarion.exe.debug, named after the module as crash.log
# names it, which the exe names through its debug link, so the symbol handler
# beside it and tools/crash_lines.sh on crash.log addresses find them.
set(SEMARION_DEBUG_FILE semarion.exe.debug)
add_custom_command(TARGET semarion POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:semarion> ${SEMARION_DEBUG_FILE}
  COMMAND ${CMAKE_STRIP} --strip-debug $<TARGET_FILE_NAME:semarion>
  COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${SEMARION_DEBUG_FILE} $<TARGET_FILE_NAME:semarion>
  WORKING_DIRECTORY $<TARGET_FILE_DIR:semarion>
  VERBATIM)

# Every folder of game/ is staged afresh whenever a file there changes, so a
# file removed from game/ leaves the staged folder too; what the program
# writes beside its exe (semarion.ini, autozapis.sav) stays.
set(SEMARION_GAME_DIR ${CMAKE_BINARY_DIR}/game)
file(GLOB SEMARION_GAME_PARTS CONFIGURE_DEPENDS LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/game
  ${CMAKE_SOURCE_DIR}/game/*)
file(GLOB_RECURSE SEMARION_GAME_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/game/*)
set(stamp ${CMAKE_BINARY_DIR}/game_folder.stamp)
set(copy_parts)
foreach(part ${SEMARION_GAME_PARTS})
  list(APPEND copy_parts
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${SEMARION_GAME_DIR}/${part}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/game/${part} ${SEMARION_GAME_DIR}/${part})
endforeach()
add_custom_command(OUTPUT ${stamp}
  ${copy_parts}
  COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
  DEPENDS ${SEMARION_GAME_FILES}
  COMMENT "Staging the game folder ${SEMARION_GAME_DIR}")
add_custom_command(OUTPUT ${SEMARION_GAME_DIR}/semarion.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:semarion> ${SEMARION_GAME_DIR}/semarion.exe
  DEPENDS semarion)
add_custom_target(game_folder ALL DEPENDS ${stamp} ${SEMARION_GAME_DIR}/semarion.exe)

# semarion-<version>-win64.zip: the same folder, unpacked into one of its own.
# Packing needs only the program (scripts/package.sh builds game_folder), not
# every test program of the build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
install(PROGRAMS $<TARGET_FILE:semarion> DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/game/ DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME semarion)
set(CPACK_PACKAGE_FILE_NAME semarion-${PROJECT_VERSION}-win64)
include(CPack)
