# host/src/editor/jig: the drag class AcEdJig, fed by "move x,y" samples.
set(ZEK_JIG_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_JIG_DIR}/jig.cpp
)

zek_add_test(NAME host_jig_tests
  SOURCES ${ZEK_JIG_DIR}/jig_test.cpp ${ZEK_JIG_DIR}/jig_golden_test.cpp
  LIBS zek_editor_testing zek_db_testing
)
