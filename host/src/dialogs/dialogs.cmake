# host/src/dialogs: the host's dialog classes (CWnd, CAcUiDialog, the
# controls, message maps), module resource tables, the dialog drivers and
# the main window. Included from host/CMakeLists.txt.
set(ZEK_DIALOGS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_DIALOGS_DIR}/answer_line_driver.cpp
  ${ZEK_DIALOGS_DIR}/answer_parser.cpp
  ${ZEK_DIALOGS_DIR}/controls.cpp
  ${ZEK_DIALOGS_DIR}/dialog.cpp
  ${ZEK_DIALOGS_DIR}/dialog_answers.cpp
  ${ZEK_DIALOGS_DIR}/dialog_picture.cpp
  ${ZEK_DIALOGS_DIR}/list_model.cpp
  ${ZEK_DIALOGS_DIR}/main_window.cpp
  ${ZEK_DIALOGS_DIR}/modal_loop.cpp
  ${ZEK_DIALOGS_DIR}/resource_registry.cpp
  ${ZEK_DIALOGS_DIR}/utf8_text.cpp
  ${ZEK_DIALOGS_DIR}/window_state.cpp
  ${ZEK_DIALOGS_DIR}/wnd.cpp
)

# The test dialogs (resources, classes, commands) every dialog test uses.
add_library(zek_dialogs_testing STATIC
  ${ZEK_DIALOGS_DIR}/testing/test_dialog_classes.cpp
  ${ZEK_DIALOGS_DIR}/testing/test_dialog_resources.cpp
  ${ZEK_DIALOGS_DIR}/testing/test_dialogs.cpp
  ${ZEK_DIALOGS_DIR}/testing/probe_dialog.cpp)
target_link_libraries(zek_dialogs_testing PUBLIC zek_editor_testing)

zek_add_test(NAME host_dialogs_tests
  SOURCES
    ${ZEK_DIALOGS_DIR}/answer_parser_test.cpp
    ${ZEK_DIALOGS_DIR}/dialog_answers_test.cpp
    ${ZEK_DIALOGS_DIR}/dialog_classes_test.cpp
    ${ZEK_DIALOGS_DIR}/dialogs_golden_test.cpp
    ${ZEK_DIALOGS_DIR}/list_model_test.cpp
  LIBS zek_dialogs_testing zek_editor_testing
)
