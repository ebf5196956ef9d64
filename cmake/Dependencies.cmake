# Every external library the project calls, found once.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Svg Concurrent Test Multimedia)
find_package(SQLite3 REQUIRED)
find_package(ZLIB REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
find_package(pugixml REQUIRED)
# Debian's split OpenCV packages carry no CMake package file; find the three
# modules in use directly.
find_path(OPENCV_INCLUDE_DIR opencv2/objdetect.hpp PATH_SUFFIXES opencv4 REQUIRED)
foreach(m core imgproc objdetect)
  find_library(OPENCV_${m}_LIBRARY opencv_${m} REQUIRED)
endforeach()
if(ZELK_TESTS)
  find_package(GTest REQUIRED)
  pkg_check_modules(ZXING IMPORTED_TARGET zxing)
endif()
if(ZELK_BENCH)
  find_package(benchmark REQUIRED)
endif()

# OpenCV links only the three modules in use.
add_library(zelk_opencv INTERFACE)
target_include_directories(zelk_opencv SYSTEM INTERFACE ${OPENCV_INCLUDE_DIR})
target_link_libraries(zelk_opencv INTERFACE
  ${OPENCV_core_LIBRARY} ${OPENCV_imgproc_LIBRARY} ${OPENCV_objdetect_LIBRARY})
