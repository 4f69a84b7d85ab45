# zekadxy1_settings: OrdinateSettings and its defaults, zekadxy1.dat, the
# layer code table, the zero points and the ZEKXYS dialog. Included from the
# module's CMakeLists, so paths are the module folder's. Hidden symbols, so
# the module keeps its own copy of the settings.
add_library(zekadxy1_settings STATIC
  settings/ordinate_settings.cpp
  settings/settings_file.cpp
  settings/zero_point.cpp
  settings/settings_dialog.cpp)
target_include_directories(zekadxy1_settings PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zekadxy1_settings
  PUBLIC zek_foundation_layers zek_foundation_deffiles zek_foundation_guards zek_foundation_view
         zekhost
  PRIVATE zek_warnings)
set_target_properties(zekadxy1_settings PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON POSITION_INDEPENDENT_CODE ON)

zek_add_test(NAME zekadxy1_settings_tests
  SOURCES settings/ordinate_settings_test.cpp settings/settings_file_test.cpp
          settings/zero_point_test.cpp
  LIBS zekadxy1_settings zek_editor_testing zek_db_testing)
