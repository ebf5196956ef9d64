# Runs cmake/CheckLayers.cmake over a small scratch tree and checks its verdict.
#   cmake -DCASE=<good|upward|sideways|angle|relative|nested> -DWORK=<scratch folder>
#         -DCHECK=<path of CheckLayers.cmake> -P CheckLayersCase.cmake
# Every tree holds the same lawful includes; each bad case adds one include
# that the check must name.
cmake_minimum_required(VERSION 3.25)

set(src "${WORK}/${CASE}/src")
file(REMOVE_RECURSE "${WORK}/${CASE}")

function(put path)
  string(JOIN "\n" text ${ARGN})
  file(WRITE "${src}/${path}" "${text}\n")
endfunction()

put(platform/Plist.h "#pragma once" "#include <QtCore/QString>" "#include <sys/stat.h>")
put(foundation/Model.h "#pragma once" "#include \"platform/Plist.h\"")
put(foundation/Model.cpp "#include \"Model.h\"" "#include \"./Model.h\"")
put(dialogs/Box.h "#pragma once" "#include <foundation/Model.h>")
put(barcode/Code.h "#pragma once" "#include \"dialogs/Box.h\"" "#include \"platform/Plist.h\"")
put(datasource/Sheet.cpp "#include \"dialogs/Box.h\"" "#include \"../foundation/Model.h\"")
put(canvas/View.h "#pragma once" "#include \"foundation/Model.h\"")
put(inspector/face/Face.h "#pragma once" "#include \"canvas/View.h\"")
put(mainwindow/Hub.h "#pragma once" "#include \"inspector/face/Face.h\""
  "#include \"barcode/Code.h\"" "#include \"datasource/Sheet.h\"")
put(inspector/Panel.cpp "#include \"mainwindow/Hub.h\"" "#include \"inspector/face/Face.h\"")
put(production/Run.h "#pragma once" "#include \"mainwindow/Hub.h\"")
put(mail/Send.cpp "#include \"production/Run.h\"")
put(app/main.cpp "#include \"mail/Send.h\"" "#include \"inspector/Panel.h\"")

if(CASE STREQUAL "good")
  set(expect "")
elseif(CASE STREQUAL "upward")
  put(foundation/Up.cpp "#include \"canvas/View.h\"")
  set(expect "foundation/Up.cpp: canvas/View.h is in a layer above foundation")
elseif(CASE STREQUAL "sideways")
  put(datasource/Side.cpp "#include \"canvas/View.h\"")
  set(expect "datasource/Side.cpp: canvas/View.h is in canvas, which datasource may not use")
elseif(CASE STREQUAL "angle")
  put(barcode/Angle.cpp "#include <mainwindow/Hub.h>")
  set(expect "barcode/Angle.cpp: mainwindow/Hub.h is in a layer above barcode")
elseif(CASE STREQUAL "relative")
  put(canvas/Rel.cpp "#  include \"../barcode/Code.h\"")
  set(expect "canvas/Rel.cpp: barcode/Code.h is in barcode, which canvas may not use")
elseif(CASE STREQUAL "nested")
  put(inspector/face/Nest.cpp "#include \"inspector/Panel.h\"")
  set(expect "inspector/face/Nest.cpp: inspector/Panel.h is in a layer above inspector/face")
else()
  message(FATAL_ERROR "unknown case ${CASE}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -DSRC=${src} -P "${CHECK}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(expect STREQUAL "")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "a lawful tree was refused:\n${out}${err}")
  endif()
else()
  if(rc EQUAL 0)
    message(FATAL_ERROR "the check let through: ${expect}")
  endif()
  # CMake wraps long messages; compare with the white space folded.
  string(REGEX REPLACE "[ \t\n]+" " " flat "${err}")
  string(FIND "${flat}" "${expect}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the check failed without naming \"${expect}\":\n${err}")
  endif()
  # Only the added include is at fault.
  string(REGEX MATCHALL "\n +[a-z/]+/[A-Za-z]+\\.(h|cpp): " named "${err}")
  list(LENGTH named count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "the check named ${count} faults, expected one:\n${err}")
  endif()
endif()
