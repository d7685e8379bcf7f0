# Puts the sample programs beside the executables, where the program store
# keeps its programs. A program already there is never replaced: it may be a
# student's own version.
file(GLOB samples ${SOURCE}/*.zan)
foreach(program IN LISTS samples)
  get_filename_component(name ${program} NAME)
  if(NOT EXISTS ${DEST}/${name})
    file(COPY ${program} DESTINATION ${DEST})
  endif()
endforeach()
