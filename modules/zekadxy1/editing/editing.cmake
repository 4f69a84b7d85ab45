# zekadxy1_editing: the commands that tidy ordinate dimensions (ZEKDA,
# ZEKDA1, ZEKDA2, ZEKDAF, ZEKDAV, ZEKDA3, ZEKXY7, ZEKXY8). The decisions
# (text_moves, crowd_spreading, sign_texts) are plain functions the table
# tests call without a drawing.
set(zekadxy1_editing_core
  editing/text_moves.cpp editing/crowd_spreading.cpp editing/sign_texts.cpp)
add_library(zekadxy1_editing STATIC
  ${zekadxy1_editing_core}
  editing/ordinate_edit_support.cpp
  editing/zekda.cpp editing/zekda12.cpp editing/zekdaf.cpp editing/zekdav.cpp
  editing/zekda3.cpp editing/zekxy7.cpp editing/zekxy8.cpp)
target_include_directories(zekadxy1_editing PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zekadxy1_editing PUBLIC zekadxy1_settings zek_foundation_guards
  zek_foundation_layers zekhost PRIVATE zek_warnings)
set_target_properties(zekadxy1_editing PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

# The table tests of the decisions, and the commands run in this process on
# the golden drawings (highlights and OSMODE after every way out).
zek_add_test(NAME zekadxy1_editing_tests
  SOURCES editing/text_moves_test.cpp editing/crowd_spreading_test.cpp
          editing/sign_texts_test.cpp editing/editing_commands_test.cpp
  LIBS zekadxy1_editing zek_editor_testing zek_db_testing)
target_compile_definitions(zekadxy1_editing_tests PRIVATE
  ZEK_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
