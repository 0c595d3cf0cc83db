# Installs the build into a scratch prefix and checks what a Linux desktop
# reads from it: both programs, a valid menu entry that opens .vkr files, and
# a file-type database that maps *.vkr to that type.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/velmar bin/vkr share/applications/velmar.desktop share/mime/packages/velmar-tourney.xml
          share/icons/hicolor/scalable/apps/velmar.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/velmar.desktop" entry)
if(NOT entry MATCHES "\nMimeType=application/x-velmar-tourney;\n" OR NOT entry MATCHES "\nExec=velmar %f\n")
  message(FATAL_ERROR "the menu entry does not open .vkr files:\n${entry}")
endif()
find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND "${validate}" "${PREFIX}/share/applications/velmar.desktop"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()
# The install step rebuilt the database when update-mime-database exists.
find_program(update_mime update-mime-database)
if(update_mime)
  file(READ "${PREFIX}/share/mime/globs2" globs)
  if(NOT globs MATCHES "application/x-velmar-tourney:\\*\\.vkr")
    message(FATAL_ERROR "*.vkr is not in the installed type database:\n${globs}")
  endif()
endif()
