# Every executable answers --help and --version on standard output with exit
# status 0, in the form GNU programs use, and says a usage error in one line
# followed by a pointer to --help, with exit status 2.
# TOOLS: the executables to check, by path.
foreach(tool IN LISTS TOOLS)
  get_filename_component(name ${tool} NAME)
  execute_process(COMMAND ${tool} --help RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "^Usage: ${name} " OR NOT err STREQUAL "")
    message(SEND_ERROR "${name} --help: status ${status}, stderr '${err}', output:\n${out}")
  endif()
  if(NOT out MATCHES "--version" OR NOT out MATCHES "zan400lt")
    message(SEND_ERROR "${name} --help does not list --version or the program folder:\n${out}")
  endif()
  execute_process(COMMAND ${tool} --version RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "^${name} \\(ZAN 400LT\\) ${VERSION}\n")
    message(SEND_ERROR "${name} --version: status ${status}, output '${out}'")
  endif()
  execute_process(COMMAND ${tool} --no-such-option RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  # Qt's own warnings about the test machine's session are not the program's.
  string(REGEX REPLACE "QStandardPaths: [^\n]*\n" "" err "${err}")
  set(expected "^${name}: [^\n]*no-such-option[^\n]*\nTry '${name} --help' for more information\\.\n$")
  if(NOT status EQUAL 2 OR NOT err MATCHES "${expected}" OR NOT out STREQUAL "")
    message(SEND_ERROR "${name} --no-such-option: status ${status}, stderr:\n${err}")
  endif()
endforeach()

# A program folder that does not exist is a usage error, not an empty store.
foreach(tool IN LISTS TOOLS)
  get_filename_component(name ${tool} NAME)
  execute_process(COMMAND ${tool} --help OUTPUT_VARIABLE out ERROR_QUIET)
  if(NOT out MATCHES "\n +--programs ")
    continue()
  endif()
  execute_process(COMMAND ${tool} --programs /nonexistent-zan-folder 01.zan
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(REGEX REPLACE "QStandardPaths: [^\n]*\n" "" err "${err}")
  if(NOT status EQUAL 2 OR NOT err MATCHES "^${name}: no program folder /nonexistent-zan-folder\n")
    message(SEND_ERROR "${name} --programs /nonexistent-zan-folder: status ${status}, stderr:\n${err}")
  endif()
endforeach()
