# host/src/editor/core: the command table, the command loop, acedCommand and
# the display record.
set(ZEK_CORE_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_CORE_DIR}/aced_command.cpp
  ${ZEK_CORE_DIR}/command_loop.cpp
  ${ZEK_CORE_DIR}/command_table.cpp
  ${ZEK_CORE_DIR}/display_state.cpp
  ${ZEK_CORE_DIR}/macro_words.cpp
)

zek_add_test(NAME host_core_tests
  SOURCES
    ${ZEK_CORE_DIR}/aced_command_test.cpp
    ${ZEK_CORE_DIR}/command_loop_test.cpp
    ${ZEK_CORE_DIR}/command_table_test.cpp
    ${ZEK_CORE_DIR}/display_state_test.cpp
    ${ZEK_CORE_DIR}/macro_words_test.cpp
  LIBS zek_editor_testing zek_db_testing
)
