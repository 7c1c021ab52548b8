# A second copy started while the guard is held, here by flock(1) as a running copy holds it, ends
# with exit status 3 and leaves the running copy's capture file and its own program folder as they
# were.
file(REMOVE_RECURSE "${HOME}")
file(MAKE_DIRECTORY "${HOME}")
# A run of its own first, so that the guard's block is made as the program makes it.
execute_process(COMMAND "${PROGRAM}" --headless --home "${HOME}/first" --seconds 0
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the first run ended with ${status}\n${out}\n${err}")
endif()

set(capture "${HOME}/running.bin")
file(WRITE "${capture}" "packets of the running copy")
execute_process(COMMAND "${FLOCK}" --nonblock /dev/shm/Wavelumina3Twice
                        "${PROGRAM}" --headless --home "${HOME}/second" --virtual-clock
                        --seconds 1 --dmx-capture "${capture}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT status EQUAL 3)
  message(FATAL_ERROR "exit status ${status}, expected 3\n${out}\n${err}")
endif()
file(READ "${capture}" captured)
if(NOT captured STREQUAL "packets of the running copy")
  message(FATAL_ERROR "the running copy's capture file now holds \"${captured}\"")
endif()
if(EXISTS "${HOME}/second")
  message(FATAL_ERROR "the refused copy made its program folder ${HOME}/second")
endif()
