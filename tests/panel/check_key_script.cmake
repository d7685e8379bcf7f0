cmake_minimum_required(VERSION 3.25)
# Plays one key script through zan400lt-run --keys, with a fresh copy of the
# fixture programs (and the turret pictures) as its program folder.
#   -DRUNNER=... -DFIXTURE=dir of .zan files -DTURRET=dir of turret .gif files -DWORK=scratch dir
#   a case:       -DCASE=dir holding `keys`, `expected` and maybe `args` (more options,
#                 one line; @CASE@ stands for the case's folder), `env` (VAR=VALUE lines
#                 for the runner's environment; @NO_HARD_LINKS@ stands for -DNO_HARD_LINKS,
#                 a library to preload) and `programs/` (more
#                 files for the program folder). Standard output must
#                 be `expected` exactly, with exit status 0 and nothing on standard error,
#                 and the LCD at the script's end (--lcd-png) the case's `lcd.png`
#                 pixel for pixel (-DPNG_COMPARE=the png_compare tool).
#                 [-DUPDATE=ON: rewrite `expected` and `lcd.png` instead of comparing]
#   a bad script: -DBAD=file.keys. Its last line is the bad one: the runner must stop
#                 there with exit status 2, naming the script, the line number and the line.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/programs)
file(GLOB fixture ${FIXTURE}/*.zan ${TURRET}/*.gif)
if(DEFINED CASE AND IS_DIRECTORY ${CASE}/programs)
  file(GLOB own ${CASE}/programs/*)
  list(APPEND fixture ${own})
endif()
file(COPY ${fixture} DESTINATION ${WORK}/programs)
# The desktop's trash and the user's data stay in the scratch folder.
set(runner ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK}/data HOME=${WORK}/home ${RUNNER})

if(DEFINED BAD)
  execute_process(COMMAND ${runner} --keys ${BAD} --programs ${WORK}/programs WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors TIMEOUT 60)
  file(READ ${BAD} text)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REGEX MATCHALL "\n" breaks "${text}")
  list(LENGTH breaks number)
  math(EXPR number "${number} + 1")
  string(REGEX MATCH "[^\n]*$" last "${text}")
  set(want "${BAD}:${number}: \"${last}\": ")
  string(FIND "${errors}" "${want}" at)
  if(NOT status STREQUAL "2" OR at EQUAL -1)
    message(FATAL_ERROR "${BAD}: exit ${status}, expected 2 with a message starting\n${want}\nbut got\n${errors}")
  endif()
  return()
endif()

# A case's `env` lines (VAR=VALUE) go into the runner's environment.
if(DEFINED CASE AND EXISTS ${CASE}/env)
  file(STRINGS ${CASE}/env settings)
  foreach(setting IN LISTS settings)
    string(REPLACE "@NO_HARD_LINKS@" "${NO_HARD_LINKS}" setting "${setting}")
    list(INSERT runner 3 "${setting}")
  endforeach()
endif()

set(args "")
if(EXISTS ${CASE}/args)
  file(STRINGS ${CASE}/args line LIMIT_COUNT 1)
  string(REPLACE "@CASE@" "${CASE}" line "${line}")
  separate_arguments(args UNIX_COMMAND "${line}")
endif()
execute_process(COMMAND ${runner} ${args} --keys ${CASE}/keys --programs ${WORK}/programs
                        --lcd-png ${WORK}/lcd.png WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
if(NOT status STREQUAL "0" OR NOT errors STREQUAL "")
  message(FATAL_ERROR "${CASE}: exit ${status}, expected 0 and nothing on standard error:\n${errors}")
endif()
if(UPDATE)
  file(WRITE ${CASE}/expected "${output}")
  file(COPY_FILE ${WORK}/lcd.png ${CASE}/lcd.png)
  return()
endif()
if(NOT EXISTS ${CASE}/lcd.png)
  message(FATAL_ERROR "${CASE}: no lcd.png; draw it on purpose with tests/panel/update-expected.sh")
endif()
execute_process(COMMAND ${PNG_COMPARE} ${CASE}/lcd.png ${WORK}/lcd.png RESULT_VARIABLE same ERROR_VARIABLE difference)
set(lcd_differs "")
if(NOT same STREQUAL "0")
  set(lcd_differs "${CASE}: the LCD at the end differs from `lcd.png` (drawn now: ${WORK}/lcd.png): ${difference}")
endif()
file(READ ${CASE}/expected expected)
if(NOT output STREQUAL expected)
  file(WRITE ${WORK}/actual "${output}")
  # The difference goes out as diff prints it: message() would re-wrap it.
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${CASE}/expected ${WORK}/actual)
  endif()
  message(FATAL_ERROR "${CASE}: the output differs from `expected` (-) as printed now (+), kept in "
                      "${WORK}/actual; regenerate on purpose with tests/panel/update-expected.sh\n${lcd_differs}")
endif()
if(lcd_differs)
  message(FATAL_ERROR "${lcd_differs}; regenerate on purpose with tests/panel/update-expected.sh")
endif()
