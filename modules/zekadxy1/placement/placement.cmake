# zekadxy1_placement: the placement run (ZEKXY, ZEKXYY, ZEKXXY, ZEKXY6). The
# layout works on plain records (ordinate_model, geometry_index,
# outline_features, ordinate_layout) that the tests drive without a drawing.
set(zekadxy1_placement_core
  placement/ordinate_model.cpp placement/geometry_index.cpp
  placement/outline_features.cpp placement/ordinate_layout.cpp)
add_library(zekadxy1_placement STATIC
  ${zekadxy1_placement_core}
  placement/plate_intake.cpp placement/placement_run.cpp placement/zekxy.cpp)
target_include_directories(zekadxy1_placement PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zekadxy1_placement PUBLIC zekadxy1_settings zek_foundation_chains
  zek_foundation_layers zek_foundation_guards zekhost PRIVATE zek_warnings)
set_target_properties(zekadxy1_placement PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

zek_add_test(NAME zekadxy1_placement_tests
  SOURCES ${zekadxy1_placement_core}
          placement/ordinate_model_test.cpp placement/geometry_index_test.cpp
          placement/outline_features_test.cpp placement/ordinate_layout_test.cpp
  LIBS zekhost)
target_include_directories(zekadxy1_placement_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
  ${CMAKE_SOURCE_DIR}/foundation)
