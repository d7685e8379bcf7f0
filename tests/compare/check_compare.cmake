# One case of zan400lt-run (--compare here, plain runs in tests/runner): a
# folder with `args` (the command line after the runner, run in the folder;
# @OUT@ is a fresh scratch folder), `expected` (standard output, exactly) and
# `status` (the exit status); maybe `stderr` (standard error, exactly, @OUT@
# as in args) and `prepare` (run with bash in @OUT@ first, to make what git
# cannot hold: a FIFO, a huge file). Every PNG file the run leaves in @OUT@
# must be one.
#   -DRUNNER=... -DCASE=folder -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${CASE}/prepare)
  execute_process(COMMAND bash ${CASE}/prepare WORKING_DIRECTORY ${WORK} RESULT_VARIABLE prepared)
  if(NOT prepared EQUAL 0)
    message(FATAL_ERROR "prepare failed: ${prepared}")
  endif()
endif()
file(READ ${CASE}/args args)
string(STRIP "${args}" args)
string(REPLACE "@OUT@" "${WORK}" args "${args}")
separate_arguments(args UNIX_COMMAND "${args}")
execute_process(COMMAND ${RUNNER} ${args} WORKING_DIRECTORY ${CASE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
file(STRINGS ${CASE}/status expected_status LIMIT_COUNT 1)
file(READ ${CASE}/expected expected)
if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected)
  file(WRITE ${WORK}/output "${out}")
  message(FATAL_ERROR "exit ${status} (expected ${expected_status}); standard output:\n${out}\n"
                      "expected:\n${expected}\nstandard error:\n${err}")
endif()
if(EXISTS ${CASE}/stderr)
  file(READ ${CASE}/stderr expected_err)
  string(REPLACE "@OUT@" "${WORK}" expected_err "${expected_err}")
  if(NOT err STREQUAL expected_err)
    message(FATAL_ERROR "standard error:\n${err}\nexpected:\n${expected_err}")
  endif()
endif()
file(GLOB pictures ${WORK}/*.png)
foreach(picture IN LISTS pictures)
  file(READ ${picture} signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${picture} is not a PNG file")
  endif()
endforeach()
