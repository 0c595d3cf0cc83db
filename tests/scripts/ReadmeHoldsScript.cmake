# The README must show SCRIPT whole, as a code block indented by four blanks,
# so that the example a newcomer copies is the one a test plays.
file(READ "${README}" readme)
file(READ "${SCRIPT}" script)
string(REGEX REPLACE "\n$" "" script "${script}")
string(REPLACE "\n" "\n    " block "${script}")
set(block "\n    ${block}\n")
string(FIND "${readme}" "${block}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${README} does not show ${SCRIPT} word for word as an indented block")
endif()
