# Runs the program as an operator would and checks how it ends: its exit status (STATUS) and a
# text its output holds (EXPECT). ARGS are the program's arguments, separated by "|".
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${arguments}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT status STREQUAL "${STATUS}")
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}\n${err}")
endif()
string(FIND "${out}${err}" "${EXPECT}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the output does not say \"${EXPECT}\":\n${out}\n${err}")
endif()
