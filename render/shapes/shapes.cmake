# render/shapes: the colour index palette and the outlines of the areas the
# host keeps as groups (HATCH, SOLID, TRACE, 3DFACE). Included from
# render/CMakeLists.txt.
target_sources(zekrender PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/area_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/curve_flattening.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hatch_boundary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hatch_outline.cpp)

zek_add_test(NAME render_shapes_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/corner_shapes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hatch_shapes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palette_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/damaged_records_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shapes_test_support.cpp
  LIBS zekrender zek_db_testing)

# The sample drawings' areas (label corpus).
zek_add_test(NAME render_shapes_corpus_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/area_shapes_corpus_test.cpp
  LIBS zekrender zek_db_testing
  LABELS corpus)
