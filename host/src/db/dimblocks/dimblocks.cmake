# host/src/db/dimblocks: display geometry of dimensions and leaders and the
# *D blocks that show dimensions. Included from host/src/db/CMakeLists.txt.
set(ZEK_DIMBLOCKS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_DIMBLOCKS_DIR}/arrow_blocks.cpp
  ${ZEK_DIMBLOCKS_DIR}/dim_block_hooks.cpp
  ${ZEK_DIMBLOCKS_DIR}/dim_block_writer.cpp
  ${ZEK_DIMBLOCKS_DIR}/dim_geometry.cpp
  ${ZEK_DIMBLOCKS_DIR}/dimension_display.cpp
  ${ZEK_DIMBLOCKS_DIR}/dimension_kinds.cpp
  ${ZEK_DIMBLOCKS_DIR}/leader_layout.cpp
  ${ZEK_DIMBLOCKS_DIR}/linear_geometry.cpp
  ${ZEK_DIMBLOCKS_DIR}/ordinate_geometry.cpp
  ${ZEK_DIMBLOCKS_DIR}/radial_geometry.cpp
)

zek_add_test(NAME host_dimblock_tests
  SOURCES
    ${ZEK_DIMBLOCKS_DIR}/dim_block_test.cpp
    ${ZEK_DIMBLOCKS_DIR}/leader_layout_test.cpp
    ${ZEK_DIMBLOCKS_DIR}/linear_geometry_test.cpp
    ${ZEK_DIMBLOCKS_DIR}/ordinate_geometry_test.cpp
    ${ZEK_DIMBLOCKS_DIR}/radial_geometry_test.cpp
  LIBS zekhost zek_db_testing)
target_include_directories(host_dimblock_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)

# The sample drawings' own dimension blocks as the oracle (label corpus).
zek_add_test(NAME host_dimblock_corpus_tests
  SOURCES
    ${ZEK_DIMBLOCKS_DIR}/oracle_compare.cpp
    ${ZEK_DIMBLOCKS_DIR}/oracle_test.cpp
  LIBS zekhost zek_db_testing
  LABELS corpus)
target_include_directories(host_dimblock_corpus_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
