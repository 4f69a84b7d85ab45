# host/src/editor/vars: system variables, distance and angle texts,
# coordinate systems and the UCS math. Included from editor.cmake.
set(ZEK_VARS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_VARS_DIR}/aced_vars.cpp
  ${ZEK_VARS_DIR}/angle_text.cpp
  ${ZEK_VARS_DIR}/real_text.cpp
  ${ZEK_VARS_DIR}/sysvar_table.cpp
  ${ZEK_VARS_DIR}/sysvar_command.cpp
  ${ZEK_VARS_DIR}/sysvar_header.cpp
  ${ZEK_VARS_DIR}/sysvars.cpp
  ${ZEK_VARS_DIR}/trans.cpp
  ${ZEK_VARS_DIR}/ucs_math.cpp
)

zek_add_test(NAME host_vars_tests
  SOURCES
    ${ZEK_VARS_DIR}/aced_vars_test.cpp
    ${ZEK_VARS_DIR}/real_text_test.cpp
    ${ZEK_VARS_DIR}/sysvar_command_test.cpp
    ${ZEK_VARS_DIR}/sysvars_test.cpp
    ${ZEK_VARS_DIR}/trans_test.cpp
  LIBS zek_editor_testing zek_db_testing
)
target_include_directories(host_vars_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
