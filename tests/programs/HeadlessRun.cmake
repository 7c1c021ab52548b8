# Runs two seconds of show time headless on the virtual clock and checks the run: one status line
# a second, a clean exit, and the program folder laid out.
file(REMOVE_RECURSE "${HOME}")
execute_process(COMMAND "${PROGRAM}" --headless --virtual-clock --seconds 2 --home "${HOME}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n${out}\n${err}")
endif()
string(REGEX MATCHALL "[0-9]+:[0-9][0-9]:[0-9][0-9]  DANCE MODE" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "expected 2 status lines, got ${count}:\n${out}")
endif()
if(NOT IS_DIRECTORY "${HOME}/Projects")
  message(FATAL_ERROR "no Projects folder in ${HOME}")
endif()
