cmake_minimum_required(VERSION 3.25)
# A key script case whose workpiece must be the one the runner makes of a
# program run on its own: the case's `args` write the script's workpiece
# with --map FILE (in the scratch folder) and its `map-of` names the program
# (one of the case's program folder). The case is played as
# check_key_script.cmake plays it (its `expected` is checked too), then the
# program is run alone in the same folder, and the two .map files must be
# the same byte for byte.
#   -DRUNNER=... -DFIXTURE=... -DTURRET=... -DCASE=... -DWORK=... as for check_key_script.cmake
include(${CMAKE_CURRENT_LIST_DIR}/check_key_script.cmake)

file(STRINGS ${CASE}/args options LIMIT_COUNT 1)
if(NOT options MATCHES "--map +([^ ]+)")
  message(FATAL_ERROR "${CASE}/args: no --map FILE")
endif()
set(played ${WORK}/${CMAKE_MATCH_1})
file(STRINGS ${CASE}/map-of program LIMIT_COUNT 1)
execute_process(COMMAND ${runner} --programs ${WORK}/programs --map ${WORK}/alone.map ${program}
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status ERROR_VARIABLE errors TIMEOUT 60)
if(NOT status STREQUAL "0" OR NOT errors STREQUAL "")
  message(FATAL_ERROR "${CASE}: ${program} run alone: exit ${status}, expected 0 and nothing on standard error:\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${played} ${WORK}/alone.map RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${CASE}: the workpiece of the key script (${played}) is not the one of ${program} "
                      "run alone (${WORK}/alone.map)")
endif()
