# zektable_holes: the hole model of a table run (collecting holes and labels,
# concentric chains and pairs, matching labels, picking by hand) and the
# run's view. Included from the module's CMakeLists, so paths are the module
# folder's.
add_library(zektable_holes STATIC
  holes/hole_collection.cpp
  holes/prepare_groups.cpp
  holes/label_matching.cpp
  holes/label_zoom.cpp)
target_include_directories(zektable_holes PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zektable_holes
  PUBLIC zektable_tables zek_foundation_view zek_foundation_guards zekhost
  PRIVATE zek_warnings)
set_target_properties(zektable_holes PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

zek_add_test(NAME zektable_holes_tests
  SOURCES holes/holes_test.cpp
  LIBS zektable_holes zek_editor_testing zek_db_testing)
