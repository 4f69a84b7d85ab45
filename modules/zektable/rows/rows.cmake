# zektable_rows: the texts of a hole-table row (DIA, SP, the row's diameter
# and the machining note with its questions). Included from the module's
# CMakeLists, so paths are the module folder's. Hidden symbols, so the module
# keeps its own copy.
add_library(zektable_rows STATIC
  rows/diameter_texts.cpp
  rows/note_text.cpp
  rows/note_prompt.cpp)
target_include_directories(zektable_rows PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zektable_rows
  PUBLIC zektable_holes zekhost
  PRIVATE zek_foundation_deffiles zek_warnings)
set_target_properties(zektable_rows PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

zek_add_test(NAME zektable_rows_tests
  SOURCES rows/rows_test.cpp
  LIBS zektable_rows zek_editor_testing zek_db_testing)
