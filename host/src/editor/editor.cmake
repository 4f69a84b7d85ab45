# host/src/editor: documents, answer input, the transcript, prompts, the
# command loop and the editor services (selection, system variables, jigs,
# built-in commands). Included from host/CMakeLists.txt; each service folder
# adds its own sources and tests through its .cmake file.
set(ZEK_EDITOR_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_EDITOR_DIR}/document.cpp
  ${ZEK_EDITOR_DIR}/editor_hooks.cpp
  ${ZEK_EDITOR_DIR}/input.cpp
  ${ZEK_EDITOR_DIR}/transcript.cpp
)

zek_add_test(NAME host_editor_core_tests
  SOURCES
    ${ZEK_EDITOR_DIR}/input_test.cpp
    ${ZEK_EDITOR_DIR}/transcript_test.cpp
  LIBS zek_editor_testing
)
target_include_directories(host_editor_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)


# Test support every editor test links: a session with a current document.
add_library(zek_editor_testing STATIC
  ${ZEK_EDITOR_DIR}/testing/editor_test_support.cpp
  ${ZEK_EDITOR_DIR}/testing/golden_runner.cpp)
target_include_directories(zek_editor_testing PUBLIC ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek_editor_testing PUBLIC zekhost GTest::gtest zek_warnings)

foreach(service core prompts select vars commands jig)
  if(EXISTS ${ZEK_EDITOR_DIR}/${service}/${service}.cmake)
    include(${ZEK_EDITOR_DIR}/${service}/${service}.cmake)
  endif()
endforeach()
