# host/src/editor/commands: the host's built-in commands.
set(ZEK_COMMANDS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_COMMANDS_DIR}/arc_fitting.cpp
  ${ZEK_COMMANDS_DIR}/builtin_commands.cpp
  ${ZEK_COMMANDS_DIR}/circle_arc_commands.cpp
  ${ZEK_COMMANDS_DIR}/command_support.cpp
  ${ZEK_COMMANDS_DIR}/draw_commands.cpp
  ${ZEK_COMMANDS_DIR}/edit_commands.cpp
  ${ZEK_COMMANDS_DIR}/file_commands.cpp
  ${ZEK_COMMANDS_DIR}/inquiry_commands.cpp
  ${ZEK_COMMANDS_DIR}/layer_command.cpp
  ${ZEK_COMMANDS_DIR}/layer_options.cpp
  ${ZEK_COMMANDS_DIR}/leader_command.cpp
  ${ZEK_COMMANDS_DIR}/setvar_command.cpp
  ${ZEK_COMMANDS_DIR}/text_command.cpp
  ${ZEK_COMMANDS_DIR}/ucs_command.cpp
  ${ZEK_COMMANDS_DIR}/undo_commands.cpp
  ${ZEK_COMMANDS_DIR}/view_fitting.cpp
  ${ZEK_COMMANDS_DIR}/zoom_command.cpp
)

zek_add_test(NAME host_commands_tests
  SOURCES
    ${ZEK_COMMANDS_DIR}/arc_fitting_test.cpp
    ${ZEK_COMMANDS_DIR}/file_commands_test.cpp
    ${ZEK_COMMANDS_DIR}/layer_options_test.cpp
    ${ZEK_COMMANDS_DIR}/leader_command_test.cpp
    ${ZEK_COMMANDS_DIR}/view_fitting_test.cpp
    ${ZEK_COMMANDS_DIR}/commands_golden_test.cpp
  LIBS zek_editor_testing zek_db_testing
)
