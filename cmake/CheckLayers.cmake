# Fails when a source folder includes a header of a folder it may not use.
#   cmake -DSRC=<source tree>/src -P CheckLayers.cmake
# Each folder names the folders it uses directly; it may use those and,
# through them, everything they may use. Folders of one rank do not see each
# other unless named here (docs/architecture.md keeps the same table).
cmake_minimum_required(VERSION 3.25)

set(uses_platform "")
set(uses_foundation platform)
set(uses_dialogs foundation)
set(uses_barcode dialogs)
set(uses_datasource dialogs)
set(uses_canvas dialogs)
set(uses_inspector/face canvas)
set(uses_mainwindow inspector/face barcode datasource canvas)
foreach(top inspector production profiles)
  set(uses_${top} mainwindow)
endforeach()
# The image library lists with the background gallery's model and the
# cropping tool writes through the export's file writer.
set(uses_imaging mainwindow inspector production)
# The entry panels ask the inspector for the selection's panels.
set(uses_groups mainwindow profiles production inspector)
set(uses_visitors mainwindow profiles production inspector)
set(uses_mail mainwindow production)
set(uses_app inspector production profiles groups visitors imaging mail)

set(layers platform foundation dialogs barcode datasource canvas inspector/face
  mainwindow inspector production profiles groups visitors imaging mail app)

# Everything a folder may reach, itself included.
foreach(layer ${layers})
  set(reach "${layer}")
  set(todo ${uses_${layer}})
  while(todo)
    list(POP_FRONT todo next)
    if(NOT next IN_LIST reach)
      list(APPEND reach ${next})
      list(APPEND todo ${uses_${next}})
    endif()
  endwhile()
  set(reach_${layer} ${reach})
endforeach()

# The layer a path inside src/ belongs to: its nested layer if it has one.
function(layer_of path out)
  string(REGEX MATCH "^[^/]+/[^/]+" two "${path}")
  if(two IN_LIST layers)
    set(${out} "${two}" PARENT_SCOPE)
  else()
    string(REGEX MATCH "^[^/]+" one "${path}")
    set(${out} "${one}" PARENT_SCOPE)
  endif()
endfunction()

get_filename_component(SRC "${SRC}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
if(NOT files)
  message(FATAL_ERROR "No sources under ${SRC}")
endif()
# The top folders of src/: an <angle> include naming one of them is ours,
# whatever the include path makes of it.
file(GLOB tops LIST_DIRECTORIES true RELATIVE "${SRC}" "${SRC}/*")
list(APPEND tops ${layers})

set(faults "")
foreach(file ${files})
  layer_of("${file}" from)
  if(NOT from IN_LIST layers)
    string(APPEND faults "\n  ${file}: folder ${from} has no place in the layers")
    continue()
  endif()
  get_filename_component(dir "${file}" DIRECTORY)
  file(STRINGS "${SRC}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]+)[\">].*" "\\1" header "${line}")
    if(header MATCHES "^\\.\\.?/")
      # A relative include names the folder it lands in.
      get_filename_component(header "${SRC}/${dir}/${header}" ABSOLUTE)
      file(RELATIVE_PATH header "${SRC}" "${header}")
      if(header MATCHES "^\\.\\./")
        string(APPEND faults "\n  ${file}: ${line} leaves the source tree")
        continue()
      endif()
    elseif(line MATCHES "<")
      string(REGEX MATCH "^[^/]+" top "${header}")
      if(NOT top IN_LIST tops)
        continue()  # a library's header
      endif()
    endif()
    layer_of("${header}" to)
    if(NOT to IN_LIST layers)
      string(APPEND faults "\n  ${file}: ${header} is in no layer")
    elseif(NOT to IN_LIST reach_${from})
      if(from IN_LIST reach_${to})
        string(APPEND faults "\n  ${file}: ${header} is in a layer above ${from}")
      else()
        string(APPEND faults "\n  ${file}: ${header} is in ${to}, which ${from} may not use")
      endif()
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes that break the layers:${faults}")
endif()
