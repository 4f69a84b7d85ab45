# host/src/editor/select: selection sets, filters, wildcards, the spatial
# index and entity picks (acedSSGet, acedEntSel, acutWcMatch, ...).
set(ZEK_SELECT_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_SELECT_DIR}/entity_geometry.cpp
  ${ZEK_SELECT_DIR}/entity_groups.cpp
  ${ZEK_SELECT_DIR}/entsel.cpp
  ${ZEK_SELECT_DIR}/interactive_selection.cpp
  ${ZEK_SELECT_DIR}/select_hooks.cpp
  ${ZEK_SELECT_DIR}/selection_filter.cpp
  ${ZEK_SELECT_DIR}/selection_query.cpp
  ${ZEK_SELECT_DIR}/selection_sets.cpp
  ${ZEK_SELECT_DIR}/spatial_index.cpp
  ${ZEK_SELECT_DIR}/ssget.cpp
  ${ZEK_SELECT_DIR}/wildcard.cpp
)

zek_add_test(NAME host_select_tests
  SOURCES
    ${ZEK_SELECT_DIR}/entity_geometry_test.cpp
    ${ZEK_SELECT_DIR}/select_golden_test.cpp
    ${ZEK_SELECT_DIR}/select_test_drawing.cpp
    ${ZEK_SELECT_DIR}/selection_filter_test.cpp
    ${ZEK_SELECT_DIR}/selection_sets_test.cpp
    ${ZEK_SELECT_DIR}/spatial_index_test.cpp
    ${ZEK_SELECT_DIR}/ssget_test.cpp
    ${ZEK_SELECT_DIR}/wildcard_test.cpp
  LIBS zek_editor_testing zek_db_testing
)
