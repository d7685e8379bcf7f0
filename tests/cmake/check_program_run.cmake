# Runs one part program through zan400lt-run and compares what it did with
# what is expected: the exit status, the messages on standard error and,
# when a golden trace is given, every move.
#   -DRUNNER=... -DPROGRAM=... -DEXPECT_EXIT=0|1|2
#   [-DGOLDEN=file.trace] [-DEXPECT_STDERR=file] [-DARGS="--speed 3"]
#   [-DUPDATE=ON: rewrite the golden trace instead of comparing]
separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${RUNNER} ${args} --trace ${PROGRAM}
                RESULT_VARIABLE status OUTPUT_VARIABLE trace ERROR_VARIABLE messages
                TIMEOUT 60)
if(NOT status STREQUAL "${EXPECT_EXIT}")
  message(FATAL_ERROR "${PROGRAM}: exit ${status}, expected ${EXPECT_EXIT}\n${messages}")
endif()
if(DEFINED EXPECT_STDERR)
  file(READ ${EXPECT_STDERR} expected_messages)
  if(NOT messages STREQUAL expected_messages)
    message(FATAL_ERROR "${PROGRAM}: messages\n${messages}\nexpected\n${expected_messages}")
  endif()
endif()
if(DEFINED GOLDEN)
  if(UPDATE)
    file(WRITE ${GOLDEN} "${trace}")
    return()
  endif()
  file(READ ${GOLDEN} golden)
  if(NOT trace STREQUAL golden)
    string(LENGTH "${trace}" got)
    string(LENGTH "${golden}" want)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/last.trace "${trace}")
    message(FATAL_ERROR "${PROGRAM}: the trace differs from ${GOLDEN} (${got} against ${want} characters); "
                        "see last.trace; regenerate on purpose with -DUPDATE=ON")
  endif()
endif()
