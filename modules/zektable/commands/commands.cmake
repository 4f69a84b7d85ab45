# zektable_commands: the five commands, the tables' layout and the placement
# dialog. Included from the module's CMakeLists, so paths are the module
# folder's.
add_library(zektable_commands STATIC
  commands/table_layout.cpp
  commands/table_placement.cpp
  commands/table_run.cpp)
target_include_directories(zektable_commands PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zektable_commands
  PUBLIC zektable_rows zektable_holes zektable_tables zek_foundation_view zek_foundation_guards
         zek_foundation_deffiles zekhost
  PRIVATE zek_warnings)
set_target_properties(zektable_commands PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

zek_add_module(NAME zektable
  SOURCES module.cpp
  LIBS zektable_commands zek_foundation_frame)
target_include_directories(zektable PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

# The goldens of every command, and ZEKTABLE2 on generated plates checked
# against the holes the plate generator placed.
zek_add_test(NAME zektable_tests
  SOURCES zektable_golden_test.cpp commands/table_layout_test.cpp zektable_crosscheck_test.cpp
  LIBS zektable_commands zek_editor_testing zek_db_testing zekplategen)
target_include_directories(zektable_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(zektable_tests PRIVATE
  ZEK_MODULE_FOLDER="${ZEK_MODULE_OUTPUT_DIR}"
  ZEK_DATA_FOLDER="${CMAKE_SOURCE_DIR}/data"
  ZEK_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_dependencies(zektable_tests zektable zekislands)
