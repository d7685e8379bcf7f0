# Makes the view's glyph data again with TOOL from TEXTS into OUT and compares
# it with COMMITTED byte for byte. Says SKIP (the test is skipped) when the
# font is not installed.
execute_process(COMMAND ${TOOL} ${TEXTS} ${OUT} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(status EQUAL 77)
  message("SKIP: ${errors}")
elseif(NOT status EQUAL 0)
  message(FATAL_ERROR "make_view_glyphs failed (${status}): ${errors}")
else()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${OUT} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${COMMITTED} is not what the font gives (${OUT}): run tools/view_font/regenerate.sh")
  endif()
endif()
