# host/src/lisp: the AutoLISP bridge (functions per drawing, calls, values,
# acedInvoke, calls typed at the command prompt). Included from
# host/CMakeLists.txt after the editor.
set(ZEK_LISP_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_LISP_DIR}/lisp_calls.cpp
  ${ZEK_LISP_DIR}/lisp_command_line.cpp
  ${ZEK_LISP_DIR}/lisp_forms.cpp
  ${ZEK_LISP_DIR}/lisp_functions.cpp
  ${ZEK_LISP_DIR}/lisp_printer.cpp
  ${ZEK_LISP_DIR}/lisp_reader.cpp
)

# Test modules of C++ functions, for the bridge's tests and any editor test
# that calls AutoLISP functions.
add_library(zek_lisp_testing STATIC ${ZEK_LISP_DIR}/testing/lisp_test_module.cpp)
target_link_libraries(zek_lisp_testing PUBLIC zek_editor_testing)

zek_add_test(NAME host_lisp_tests
  SOURCES
    ${ZEK_LISP_DIR}/lisp_reader_test.cpp
    ${ZEK_LISP_DIR}/lisp_printer_test.cpp
    ${ZEK_LISP_DIR}/lisp_functions_test.cpp
    ${ZEK_LISP_DIR}/lisp_invoke_test.cpp
    ${ZEK_LISP_DIR}/lisp_command_line_test.cpp
  LIBS zek_lisp_testing
)
