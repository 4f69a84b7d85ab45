# Tests of the DXF reader and writer on whole drawings: damaged files,
# lossless round trips, safe saving. Included from host/src/dxf/CMakeLists.txt;
# the shared test helpers come from host/src/db/core_tests.cmake.
zek_add_test(NAME host_dxf_reader_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dxf_io_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dxf_reader_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dxf_writer_test.cpp
  LIBS zekhost zek_db_testing)
target_include_directories(host_dxf_reader_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)

# Damaged drawings, one case per kind; its own program, since it counts the
# bytes allocated through a global operator new of its own.
zek_add_test(NAME host_dxf_damaged_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/damaged_drawing_test.cpp
  LIBS zekhost zek_db_testing)
target_include_directories(host_dxf_damaged_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
