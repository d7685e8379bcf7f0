# Fails when any file of the core includes a Qt header.
file(GLOB_RECURSE files ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
foreach(f IN LISTS files)
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    message(SEND_ERROR "${f} includes Qt: ${hits}")
  endif()
endforeach()
