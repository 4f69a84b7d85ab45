# Tests of safe saving: every file step of a save made to fail in turn.
# Included from host/src/dxf/CMakeLists.txt.
zek_add_test(NAME host_dxf_safe_save_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/safe_save_test.cpp
  LIBS zekhost zek_db_testing)
target_include_directories(host_dxf_safe_save_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
