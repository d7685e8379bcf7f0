# The lathe view's pictures (resources/lathe, drawn by tools/artwork), as
# bytes compiled into the core's view layer. zan_lathe_picture_source(VAR)
# sets VAR to the generated source, made in the calling folder's build folder.
set(ZAN_LATHE_PICTURES chuck_stopped chuck_turning jaw_upper jaw_lower
    turret_1 turret_2 turret_3 turret_4 nozzle_off nozzle_on)
list(TRANSFORM ZAN_LATHE_PICTURES PREPEND ${PROJECT_SOURCE_DIR}/resources/lathe/)
list(TRANSFORM ZAN_LATHE_PICTURES APPEND .png)

function(zan_lathe_picture_source var)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/generated/lathe_picture_bytes.cpp)
  # A command's arguments split at semicolons: the list goes with bars.
  string(REPLACE ";" "|" inputs "${ZAN_LATHE_PICTURES}")
  add_custom_command(OUTPUT ${out}
                     COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DINPUTS=${inputs}
                             -DFUNCTION=EmbeddedLathePictures -DHEADER=core/view/embedded_files.h
                             -P ${PROJECT_SOURCE_DIR}/cmake/embed_files.cmake
                     DEPENDS ${ZAN_LATHE_PICTURES} ${PROJECT_SOURCE_DIR}/cmake/embed_files.cmake
                     COMMENT "The lathe view's pictures as bytes" VERBATIM)
  set(${var} ${out} PARENT_SCOPE)
endfunction()
