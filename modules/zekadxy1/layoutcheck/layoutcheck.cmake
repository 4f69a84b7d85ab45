# layoutcheck/: the layout check of ordinate-dimensioned plates (text boxes
# against texts, drawn geometry and other texts; holes against their
# ordinates). A static library for the tests and bench/, not part of the
# module. Included from modules/zekadxy1/CMakeLists.txt.
add_library(zekadxy1_layoutcheck STATIC
  layoutcheck/layout_geometry.cpp
  layoutcheck/layout_grid.cpp
  layoutcheck/layout_scene.cpp
  layoutcheck/ordinate_layout_check.cpp)
target_include_directories(zekadxy1_layoutcheck PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
  PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zekadxy1_layoutcheck PUBLIC zekhost
  PRIVATE zek_foundation_guards zek_warnings)

zek_add_test(NAME zekadxy1_layoutcheck_tests
  SOURCES layoutcheck/layout_geometry_test.cpp layoutcheck/ordinate_layout_check_test.cpp
  LIBS zekadxy1_layoutcheck zek_db_testing)
