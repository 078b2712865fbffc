# cmake -DCHECK=<CheckIncludeLayers.cmake> -DWORK_DIR=<scratch folder> -P SmallTrees.cmake
#
# Runs the include-layer check on small trees that differ in one include each: it must fail on every
# include that points back up, spelled with quotes or angle brackets, and pass the rest.

cmake_minimum_required(VERSION 3.25)

if(NOT CHECK OR NOT WORK_DIR)
  message(FATAL_ERROR "Usage: cmake -DCHECK=<check script> -DWORK_DIR=<scratch folder> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

# Every tree holds one header on each floor, empty, and one file that includes.
set(headers QXFoundation/QXLog.h QXSocket/QXFile.h QXKit/QXView.h Orvane/Core/Utils.h
            Orvane/Modules/Union/UnionData.h)

set(failures 0)
set(index 0)
# Runs the check on a tree whose `file` (under src/) holds the `lines`; `expected` is "passes" or
# "fails".
function(check_tree expected file)
  math(EXPR tree "${index} + 1")
  set(index ${tree} PARENT_SCOPE)
  set(src "${WORK_DIR}/${tree}/src")
  file(REMOVE_RECURSE "${WORK_DIR}/${tree}")
  foreach(header ${headers})
    file(WRITE "${src}/${header}" "#pragma once\n")
  endforeach()
  list(JOIN ARGN "\n" text)
  file(WRITE "${src}/${file}" "${text}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${src} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX MATCHALL "[^\n]*points back up[^\n]*" heard "${output}")
  if(expected STREQUAL "fails" AND (result EQUAL 0 OR heard STREQUAL ""))
    message(NOTICE "not caught: ${file}: ${ARGN}\n${output}")
    math(EXPR failures "${failures} + 1")
  elseif(expected STREQUAL "passes" AND NOT result EQUAL 0)
    message(NOTICE "refused: ${file}: ${ARGN}\n${output}")
    math(EXPR failures "${failures} + 1")
  else()
    message(STATUS "${expected}: ${file}: ${ARGN} ${heard}")
  endif()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

# A library includes the application.
check_tree(fails QXSocket/QXFile.cpp "#include \"Core/Utils.h\"")
check_tree(fails QXSocket/QXFile.cpp "#include <Core/Utils.h>")
# A library includes one it does not build on, from a folder of its own.
check_tree(fails QXSocket/private/Worker.h "#include \"QXView.h\"")
check_tree(fails QXSocket/private/Worker.h "#include <QXView.h>")
# A shared part includes a module above it.
check_tree(fails Orvane/Core/Utils.cpp "#include \"Modules/Union/UnionData.h\"")
check_tree(fails Orvane/Core/Utils.cpp "  #  include <Modules/Union/UnionData.h>")
# Downward includes in either spelling, and system and Qt headers, which are no floor of ours.
check_tree(passes QXSocket/QXFile.cpp "#include \"QXFile.h\"" "#include \"QXLog.h\"" "#include <QXLog.h>"
           "#include <QString>" "#include <vector>")
check_tree(passes Orvane/Shell/Home.cpp "#include <Modules/Union/UnionData.h>" "#include \"Core/Utils.h\""
           "#include <QXView.h>")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} tree(s) judged wrongly")
endif()
