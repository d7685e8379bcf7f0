# Runs zan400lt-gif on the committed turret pictures and checks its report
# line, exit status and RGBA dump.
#   cmake -DTOOL=<zan400lt-gif> -DDATA=<tests/data> -P check_gif_tool.cmake
# multi_frame.gif: 24x16 screen, 3 frames; frame 1 is 12x8 with a two-entry
# local table (10,20,30 / 40,50,60), begins with index 1 and ends with
# index 3, which lies past its table. gif87a.gif carries the 1987 signature.

set(scratch ${CMAKE_CURRENT_BINARY_DIR}/check_gif_tool)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})

function(expect_run expected_status expected_line)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected_line)
    message(SEND_ERROR "zan400lt-gif ${ARGN}: got [${status}] '${out}', "
                       "want [${expected_status}] '${expected_line}'")
  endif()
endfunction()

expect_run(0 "accepted 24 16 3" ${DATA}/gif/multi_frame.gif --rgba ${scratch}/first.rgba)
expect_run(1 "refused 不支持的文件格式" ${DATA}/gif/gif87a.gif)
expect_run(1 "refused 文件丢失,请重新安装程序!" ${DATA}/gif/no_such_picture.gif)
expect_run(2 "" ${DATA}/gif/multi_frame.gif --bogus)

file(SIZE ${scratch}/first.rgba size)
if(NOT size EQUAL 384)  # 12 x 8 pixels x 4 bytes
  message(SEND_ERROR "first.rgba has ${size} bytes, want 384")
endif()
file(READ ${scratch}/first.rgba head LIMIT 4 HEX)
file(READ ${scratch}/first.rgba tail OFFSET 380 HEX)
if(NOT head STREQUAL "28323cff" OR NOT tail STREQUAL "000000ff")
  message(SEND_ERROR "first.rgba starts ${head} and ends ${tail}, want 28323cff and 000000ff")
endif()
