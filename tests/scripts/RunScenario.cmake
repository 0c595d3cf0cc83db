# Runs one scenario script in a fresh folder and compares the whole output.
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
# Files a script needs (NAME.files/ beside NAME.vkp) start in its run folder.
get_filename_component(script_dir "${SCRIPT}" DIRECTORY)
get_filename_component(script_name "${SCRIPT}" NAME_WE)
if(IS_DIRECTORY "${script_dir}/${script_name}.files")
  file(COPY "${script_dir}/${script_name}.files/" DESTINATION "${WORKDIR}")
endif()
execute_process(COMMAND "${VKR}" play "${SCRIPT}"
                WORKING_DIRECTORY "${WORKDIR}"
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE code)
file(READ "${EXPECTED}" expected)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "vkr play exited with ${code}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE "${WORKDIR}/actual.out" "${actual}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${WORKDIR}/actual.out")
  message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
