# Makes GB2312's table again with TOOL into OUT and compares it with COMMITTED
# byte for byte.
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_gb2312_table failed (${status}): ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${OUT} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${COMMITTED} is not what iconv gives (${OUT}): run tools/gb2312-table/regenerate.sh")
endif()
