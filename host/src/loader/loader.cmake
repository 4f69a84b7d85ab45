# host/src/loader: the plug-in loader, the command stack, module services,
# the ARX command and the application registry. Included from
# host/CMakeLists.txt.
set(ZEK_LOADER_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_LOADER_DIR}/app_info.cpp
  ${ZEK_LOADER_DIR}/app_registry_file.cpp
  ${ZEK_LOADER_DIR}/arx_command.cpp
  ${ZEK_LOADER_DIR}/arx_services.cpp
  ${ZEK_LOADER_DIR}/command_stack.cpp
  ${ZEK_LOADER_DIR}/module_files.cpp
  ${ZEK_LOADER_DIR}/module_loader.cpp
)

# Libraries the loader's tests load: a wrong handshake, no entry point, a
# failed initialisation, a module that forgets its group and stays locked.
set(ZEK_LOADER_TEST_MODULES ${CMAKE_BINARY_DIR}/host/loader-test-modules)
foreach(lib bad_version:zekbadversion no_entry:zeknoentry failing_init:zekfailinginit
            forgetful:zekforgetful)
  string(REPLACE ":" ";" parts ${lib})
  list(GET parts 0 source)
  list(GET parts 1 name)
  add_library(${name} MODULE ${ZEK_LOADER_DIR}/testing/${source}_module.cpp)
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".arx"
    LIBRARY_OUTPUT_DIRECTORY ${ZEK_LOADER_TEST_MODULES}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name} PRIVATE zekhost zek_warnings)
  if(name STREQUAL "zekfailinginit" OR name STREQUAL "zekforgetful")
    target_link_libraries(${name} PRIVATE zekarxsupport)
  endif()
endforeach()

zek_add_test(NAME host_loader_tests
  SOURCES
    ${ZEK_LOADER_DIR}/module_loader_test.cpp
    ${ZEK_LOADER_DIR}/app_registry_test.cpp
    ${ZEK_LOADER_DIR}/command_stack_test.cpp
  LIBS zek_editor_testing
)
target_compile_definitions(host_loader_tests PRIVATE
  ZEK_LOADER_TEST_MODULES="${ZEK_LOADER_TEST_MODULES}")
add_dependencies(host_loader_tests zekbadversion zeknoentry zekfailinginit zekforgetful)
