# The LCD's bitmap font compiled into a target: resources/lcd_font/lcd_font.bin
# becomes a C++ source of its bytes at build time (cmake/embed_bytes.cmake),
# so that no program needs the file at run time.
#   zan_embed_lcd_font(TARGET)
set(ZAN_LCD_FONT_FILE ${CMAKE_CURRENT_LIST_DIR}/../resources/lcd_font/lcd_font.bin)
set(ZAN_EMBED_BYTES ${CMAKE_CURRENT_LIST_DIR}/embed_bytes.cmake)
function(zan_embed_lcd_font target)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/lcd_font_data.cpp)
  add_custom_command(OUTPUT ${source}
                     COMMAND ${CMAKE_COMMAND} -DINPUT=${ZAN_LCD_FONT_FILE} -DOUTPUT=${source} -DNAME=kLcdFontData
                             -P ${ZAN_EMBED_BYTES}
                     DEPENDS ${ZAN_LCD_FONT_FILE} ${ZAN_EMBED_BYTES}
                     COMMENT "The LCD's bitmap font as a C++ source")
  target_sources(${target} PRIVATE ${source})
endfunction()
