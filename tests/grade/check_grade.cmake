# Grades the class folder class/ against reference.zan with zan400lt-grade and
# checks what it wrote: grades.csv exactly as expected (grades.csv here), a
# picture for every student whose program ran and none for the others, and a
# report page that needs nothing from outside (no script, no address to
# fetch, every picture inside it).
#   -DGRADER=... -DCASE=tests/grade -DWORK=output folder
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${GRADER} --reference ${CASE}/reference.zan --max-turns 200000 --jobs 2 --out ${WORK}
                        ${CASE}/class
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zan400lt-grade: exit ${status}\n${out}${err}")
endif()

file(READ ${WORK}/grades.csv got)
file(READ ${CASE}/grades.csv want)
if(NOT got STREQUAL want)
  message(FATAL_ERROR "grades.csv differs:\n${got}\nexpected\n${want}")
endif()

file(READ ${WORK}/report.html page)
foreach(forbidden "<script" "http:" "https:" "src=\"//" "url(")
  string(FIND "${page}" "${forbidden}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "report.html holds ${forbidden}: it must stand alone")
  endif()
endforeach()

file(STRINGS ${CASE}/grades.csv rows ENCODING UTF-8)
list(REMOVE_AT rows 0)
set(pictures 0)
foreach(row IN LISTS rows)
  string(REGEX MATCH "^([^,]*),([^,]*)," _ "${row}")
  set(student ${CMAKE_MATCH_1})
  if(CMAKE_MATCH_2 STREQUAL "unreadable")
    if(EXISTS ${WORK}/${student}.png)
      message(FATAL_ERROR "${student} did not run but has a picture")
    endif()
    continue()
  endif()
  math(EXPR pictures "${pictures} + 1")
  file(READ ${WORK}/${student}.png signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${student}.png is not a PNG file")
  endif()
endforeach()
string(REGEX MATCHALL "src=\"data:image/png" embedded "${page}")
list(LENGTH embedded count)
if(NOT count EQUAL pictures)
  message(FATAL_ERROR "report.html holds ${count} pictures, expected ${pictures}")
endif()
