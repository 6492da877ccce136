# Generates the bindings of Window.json, then compiles Window.cpp against them twice: the class
# that agrees with the description must compile, the one that disagrees must fail with a message
# naming each disagreement.
#
#   cmake -DFORMC=... -DCXX=... -DSOURCE_DIR=<src> -DWORK_DIR=<folder> -P CheckBindings.cmake

set(here ${CMAKE_CURRENT_LIST_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${FORMC} --bindings ${here}/Window.json ${WORK_DIR}/WindowBindings.h
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "formc --bindings failed")
endif()

set(compile ${CXX} -std=c++20 -fsyntax-only -I${SOURCE_DIR} -I${WORK_DIR} ${here}/Window.cpp)
execute_process(COMMAND ${compile} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the class that agrees with its description does not compile:\n${errors}")
endif()

execute_process(COMMAND ${compile} -DWINDOW_MISMATCH RESULT_VARIABLE result
                ERROR_VARIABLE errors)
if(result EQUAL 0)
  message(FATAL_ERROR "the class that disagrees with its description compiles")
endif()
foreach(expected "Window.json: TForm9::Part1 must be declared TPart\\*"
                 "Part2.* is not a member of .*TForm9|no member named .Part2. in .*TForm9"
                 "Window.json: TForm9::Part1Click must be declared void Part1Click\\(TObject\\*\\)")
  if(NOT errors MATCHES "${expected}")
    message(FATAL_ERROR "no error matching \"${expected}\" in:\n${errors}")
  endif()
endforeach()
