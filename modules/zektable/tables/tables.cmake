# zektable_tables: the tables zektable.arx loads (zektable.dat, the pairing
# rules of zekamn.dat, the layer codes of zeklayer0.dat) and the questions the
# hole model asks of them. Included from the module's CMakeLists, so paths
# are the module folder's. Hidden symbols, so the module keeps its own copy.
add_library(zektable_tables STATIC
  tables/hole_tables.cpp
  tables/hole_table_file.cpp
  tables/pair_rule_file.cpp)
target_include_directories(zektable_tables PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zektable_tables
  PUBLIC zek_foundation_layers zek_foundation_deffiles zekhost
  PRIVATE zek_warnings)
set_target_properties(zektable_tables PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

zek_add_test(NAME zektable_tables_tests
  SOURCES tables/tables_test.cpp
  LIBS zektable_tables zek_editor_testing zek_db_testing)
