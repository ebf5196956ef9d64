# Precompiled headers: the heavy Qt and standard headers that nearly every
# translation unit pulls in.
function(zelk_use_pch target)
  if(ZELK_PCH)
    target_precompile_headers(${target} PRIVATE
      <QtCore/QString> <QtCore/QStringList> <QtCore/QList> <QtCore/QHash>
      <QtCore/QByteArray> <QtCore/QVariant> <QtCore/QFile> <QtCore/QDir>
      <QtGui/QImage> <QtGui/QColor> <QtGui/QFont> <QtGui/QPainter>
      <vector> <string> <memory> <functional>)
    # clang stamps the header's time into it, which ccache would see as new
    # in every build folder.
    target_compile_options(${target} PRIVATE "$<$<CXX_COMPILER_ID:Clang>:SHELL:-Xclang -fno-pch-timestamp>")
  endif()
endfunction()

# One static library per source folder. Sources are globbed so each folder can
# grow without touching the build files of the others.
function(zelk_add_layer name folder)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
  file(GLOB_RECURSE hdrs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
  # A subfolder that is a layer of its own (inspector/face) is not part of
  # its parent's library.
  get_property(layers GLOBAL PROPERTY ZELK_LAYER_FOLDERS)
  foreach(other ${layers})
    string(FIND "${other}" "${folder}/" at)
    if(at EQUAL 0)
      list(FILTER srcs EXCLUDE REGEX "/src/${other}/")
      list(FILTER hdrs EXCLUDE REGEX "/src/${other}/")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ZELK_LAYER_FOLDERS ${folder})
  list(FILTER srcs EXCLUDE REGEX ".*\\.h$")
  if(srcs)
    add_library(${name} STATIC ${srcs} ${hdrs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${L_DEPS})
    zelk_use_pch(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# One GoogleTest executable per test folder, each test case a ctest entry.
# EXCLUDE names sources of the folder that a test-support library (in DEPS)
# builds instead.
function(zelk_add_test_folder folder)
  cmake_parse_arguments(T "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(T_EXCLUDE)
    list(REMOVE_ITEM srcs ${T_EXCLUDE})
  endif()
  # Test folders mirror the layers: a nested one has its own executable.
  get_property(folders GLOBAL PROPERTY ZELK_TEST_FOLDERS)
  foreach(other ${folders})
    string(FIND "${other}" "${folder}/" at)
    if(at EQUAL 0)
      list(FILTER srcs EXCLUDE REGEX "/${other}/")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ZELK_TEST_FOLDERS ${folder})
  if(NOT srcs)
    return()
  endif()
  string(REPLACE "/" "_" exe test_${folder})
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE zelk_testmain ${T_DEPS})
  zelk_use_pch(${exe})
  gtest_discover_tests(${exe}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS ${folder})
  # The environment (ZELK_TEST_ENV) is set once the tests are discovered: a
  # list value does not survive gtest_discover_tests' properties. The test
  # main sets the headless part itself for runs by hand.
  set(env_file ${CMAKE_CURRENT_BINARY_DIR}/${exe}_environment.cmake)
  file(WRITE ${env_file}
    "if(${exe}_TESTS)\n"
    "  set_tests_properties(\${${exe}_TESTS} PROPERTIES ENVIRONMENT [==[${ZELK_TEST_ENV}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_file})
endfunction()
