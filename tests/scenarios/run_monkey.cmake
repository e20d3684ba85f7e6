# Runs the soak for one seed: a fresh empty working folder, tolmark-sim --monkey SEED STEPS, exit
# status 0 required; a failure shows the script that replays it.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${SIM} --monkey ${SEED} ${STEPS}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE report
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tolmark-sim --monkey ${SEED} ${STEPS} exited with ${status}\n${errors}\n${report}")
endif()
message(STATUS "${report}")
