# Runs one scenario script in a fresh folder and compares the whole output;
# the exit code must be the one in EXPECTED_CODE (0 when that file is
# missing), and standard error must equal EXPECTED_ERR when that file exists.
# Every action log the run leaves must equal, byte for byte, the one of the
# same name in EXPECTED_LOGS, and that folder must hold no log the run did not
# write.
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
set(expected_code 0)
if(EXISTS "${EXPECTED_CODE}")
  file(READ "${EXPECTED_CODE}" expected_code)
  string(STRIP "${expected_code}" expected_code)
endif()
if(NOT code STREQUAL expected_code)
  message(FATAL_ERROR "vkr play exited with ${code} instead of ${expected_code}: ${errors}")
endif()
if(EXISTS "${EXPECTED_ERR}")
  file(READ "${EXPECTED_ERR}" expected_errors)
  if(NOT errors STREQUAL expected_errors)
    message(FATAL_ERROR "standard error differs from ${EXPECTED_ERR}: ${errors}")
  endif()
endif()
if(NOT actual STREQUAL expected)
  file(WRITE "${WORKDIR}/actual.out" "${actual}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${WORKDIR}/actual.out")
  message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
file(GLOB actual_logs RELATIVE "${WORKDIR}" "${WORKDIR}/*.log")
file(GLOB expected_logs RELATIVE "${EXPECTED_LOGS}" "${EXPECTED_LOGS}/*.log")
if(NOT actual_logs STREQUAL expected_logs)
  message(FATAL_ERROR "the run wrote the logs [${actual_logs}], ${EXPECTED_LOGS} holds [${expected_logs}]")
endif()
foreach(log IN LISTS actual_logs)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED_LOGS}/${log}" "${WORKDIR}/${log}"
                  RESULT_VARIABLE differs)
  if(differs)
    execute_process(COMMAND diff -u "${EXPECTED_LOGS}/${log}" "${WORKDIR}/${log}")
    message(FATAL_ERROR "${log} differs from ${EXPECTED_LOGS}/${log}")
  endif()
endforeach()
