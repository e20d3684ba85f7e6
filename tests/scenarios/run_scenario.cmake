# Runs one scenario script: a fresh empty working folder, tolmark-sim on the script, exit status 0
# required, and the transcript compared with SCRIPT's .expected file when there is one.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${SIM} ${SCRIPT}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE transcript
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(WRITE ${WORK_DIR}.transcript "${transcript}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tolmark-sim exited with ${status}\n${errors}\n--- transcript ---\n${transcript}")
endif()
string(REGEX REPLACE "\\.sim$" ".expected" expected_file ${SCRIPT})
if(EXISTS ${expected_file})
  file(READ ${expected_file} expected)
  if(NOT transcript STREQUAL expected)
    execute_process(COMMAND diff -u ${expected_file} ${WORK_DIR}.transcript
      OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "the transcript differs from ${expected_file}\n"
      "(it is kept in ${WORK_DIR}.transcript)\n${difference}")
  endif()
endif()
