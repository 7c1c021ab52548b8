# Runs two seconds of show time headless on the virtual clock with the simulated USB board and
# checks what it recorded: 200 output cycles of four packets each, universes A, B, C, D in turn,
# every packet framed as the board expects it.
file(REMOVE_RECURSE "${HOME}")
file(MAKE_DIRECTORY "${HOME}")
set(capture "${HOME}/out.bin")
execute_process(COMMAND "${PROGRAM}" --headless --virtual-clock --seconds 2 --home "${HOME}"
                        --dmx-capture "${capture}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n${out}\n${err}")
endif()

set(packet_size 530)
math(EXPR packets "200 * 4")
math(EXPR expected "${packets} * ${packet_size}")
file(SIZE "${capture}" size)
if(NOT size EQUAL expected)
  math(EXPR got "${size} / ${packet_size}")
  message(FATAL_ERROR "expected ${expected} bytes (${packets} packets), got ${size} (${got})")
endif()

file(READ "${capture}" bytes HEX)
set(codes f0 f8 f9 fa)
math(EXPR last "${packets} - 1")
foreach(packet RANGE ${last})
  math(EXPR start "${packet} * ${packet_size} * 2")
  string(SUBSTRING "${bytes}" ${start} 4 head)
  math(EXPR trailer_at "${start} + 526 * 2")
  string(SUBSTRING "${bytes}" ${trailer_at} 8 trailer)
  math(EXPR universe "${packet} % 4")
  list(GET codes ${universe} code)
  if(NOT head STREQUAL "ff${code}" OR NOT trailer STREQUAL "fff1ffff")
    message(FATAL_ERROR "packet ${packet} starts ${head} and ends ${trailer}")
  endif()
endforeach()
