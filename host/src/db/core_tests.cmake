# Tests of the database core: opening and closing, symbol tables, undo
# steps, deep cloning, classes registered at run time and linetype files.
# Included from host/src/db/CMakeLists.txt. The helpers in testing/ (shared
# with the DXF reader tests) build into a small static library.
add_library(zek_db_testing STATIC
  ${CMAKE_CURRENT_LIST_DIR}/testing/db_test_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/testing/test_box.cpp)
target_link_libraries(zek_db_testing PUBLIC zekhost GTest::gtest PRIVATE zek_warnings)
target_include_directories(zek_db_testing PUBLIC ${CMAKE_SOURCE_DIR}/host/src)

zek_add_test(NAME host_db_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/block_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/custom_class_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/database_core_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/deep_clone_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linetype_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/symbol_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/undo_recorder_test.cpp
  LIBS zekhost zek_db_testing)
target_include_directories(host_db_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
