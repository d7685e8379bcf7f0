# The LCD's bitmap font can always be drawn anew from Debian's fonts: the
# generator's output must be the committed file byte for byte.
#   -DGENERATOR=zan400lt-lcd-font -DCOMMITTED=resources/lcd_font/lcd_font.bin -DOUT=scratch file
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${GENERATOR} failed (${status}):\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${OUT} RESULT_VARIABLE differ)
if(NOT differ STREQUAL "0")
  file(SIZE ${COMMITTED} committed)
  file(SIZE ${OUT} written)
  message(FATAL_ERROR "${OUT} (${written} bytes) differs from ${COMMITTED} (${committed} bytes): the fonts "
                      "or the generator changed; renew on purpose with tools/lcd-font/regenerate.sh and look "
                      "at the LCD's golden pictures")
endif()
