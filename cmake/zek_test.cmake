# zek_add_test(NAME name SOURCES a_test.cpp ... LIBS lib ... [LABELS l ...])
# One GoogleTest binary; each TEST becomes its own CTest entry at test time.
function(zek_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main zek_warnings)
  target_compile_definitions(${T_NAME} PRIVATE
    ZEK_DATA_DIR="${ZEK_DATA_DIR}" ZEK_SAMPLES_DIR="${ZEK_SAMPLES_DIR}"
    ZEK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set(labels unit)
  if(T_LABELS)
    set(labels ${T_LABELS})
  endif()
  # Tests never read the drafter's own application registry: a registered
  # module would be demand-loaded by any unknown command name.
  gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS "${labels}"
    ENVIRONMENT "ZEK_PROFILE=${CMAKE_BINARY_DIR}/test-profile")
endfunction()
