# host/src/db/dimvars: the dimension variables — the table, style records'
# typed access, a dimension's DSTYLE overrides, the drawing's current values
# and DIM* system variables, the default styles, and the measured text.
# Included from host/src/db/CMakeLists.txt.
set(ZEK_DIMVARS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_DIMVARS_DIR}/default_dim_styles.cpp
  ${ZEK_DIMVARS_DIR}/dim_format.cpp
  ${ZEK_DIMVARS_DIR}/dim_overrides.cpp
  ${ZEK_DIMVARS_DIR}/dim_style_record.cpp
  ${ZEK_DIMVARS_DIR}/dim_style_vars.cpp
  ${ZEK_DIMVARS_DIR}/dim_sysvars.cpp
  ${ZEK_DIMVARS_DIR}/dim_values.cpp
  ${ZEK_DIMVARS_DIR}/dim_var_table.cpp
  ${ZEK_DIMVARS_DIR}/dimension_vars.cpp
)

if(EXISTS ${ZEK_DIMVARS_DIR}/dim_format_test.cpp)
  zek_add_test(NAME host_dimvar_tests
    SOURCES
      ${ZEK_DIMVARS_DIR}/default_dim_styles_test.cpp
      ${ZEK_DIMVARS_DIR}/dim_format_test.cpp
      ${ZEK_DIMVARS_DIR}/dim_overrides_test.cpp
      ${ZEK_DIMVARS_DIR}/dim_style_record_test.cpp
      ${ZEK_DIMVARS_DIR}/dim_sysvars_test.cpp
      ${ZEK_DIMVARS_DIR}/dim_var_table_test.cpp
    LIBS zekhost zek_db_testing)
  target_include_directories(host_dimvar_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
endif()
