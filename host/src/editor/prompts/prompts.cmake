# host/src/editor/prompts: answer parsing and the input calls (acedGetPoint ...
# acedGetInput, acedInitGet).
set(ZEK_PROMPTS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_PROMPTS_DIR}/answer_parsing.cpp
  ${ZEK_PROMPTS_DIR}/prompt_reader.cpp
  ${ZEK_PROMPTS_DIR}/aced_input_calls.cpp
)

zek_add_test(NAME host_prompts_tests
  SOURCES
    ${ZEK_PROMPTS_DIR}/answer_parsing_test.cpp
    ${ZEK_PROMPTS_DIR}/aced_input_calls_test.cpp
    ${ZEK_PROMPTS_DIR}/prompts_golden_test.cpp
  LIBS zek_editor_testing zek_db_testing
)
