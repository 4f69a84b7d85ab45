# host/src/db/annotations: the annotation entities (text, multi-line text,
# attributes, block references, dimensions, leaders) and the text metrics
# model. Included from host/src/db/CMakeLists.txt.
set(ZEK_ANNOTATIONS_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekhost PRIVATE
  ${ZEK_ANNOTATIONS_DIR}/aligned_dimension.cpp
  ${ZEK_ANNOTATIONS_DIR}/annotation_filing.cpp
  ${ZEK_ANNOTATIONS_DIR}/attribute.cpp
  ${ZEK_ANNOTATIONS_DIR}/block_extents.cpp
  ${ZEK_ANNOTATIONS_DIR}/block_reference.cpp
  ${ZEK_ANNOTATIONS_DIR}/block_reference_filing.cpp
  ${ZEK_ANNOTATIONS_DIR}/box_geometry.cpp
  ${ZEK_ANNOTATIONS_DIR}/dimension.cpp
  ${ZEK_ANNOTATIONS_DIR}/kept_dimension.cpp
  ${ZEK_ANNOTATIONS_DIR}/leader.cpp
  ${ZEK_ANNOTATIONS_DIR}/mtext.cpp
  ${ZEK_ANNOTATIONS_DIR}/mtext_codes.cpp
  ${ZEK_ANNOTATIONS_DIR}/mtext_pieces.cpp
  ${ZEK_ANNOTATIONS_DIR}/ordinate_dimension.cpp
  ${ZEK_ANNOTATIONS_DIR}/radial_dimension.cpp
  ${ZEK_ANNOTATIONS_DIR}/rotated_dimension.cpp
  ${ZEK_ANNOTATIONS_DIR}/text.cpp
  ${ZEK_ANNOTATIONS_DIR}/text_filing.cpp
  ${ZEK_ANNOTATIONS_DIR}/text_metrics.cpp
)

zek_add_test(NAME host_annotation_tests
  SOURCES
    ${ZEK_ANNOTATIONS_DIR}/attribute_test.cpp
    ${ZEK_ANNOTATIONS_DIR}/block_reference_test.cpp
    ${ZEK_ANNOTATIONS_DIR}/dimension_test.cpp
    ${ZEK_ANNOTATIONS_DIR}/leader_test.cpp
    ${ZEK_ANNOTATIONS_DIR}/mtext_test.cpp
    ${ZEK_ANNOTATIONS_DIR}/text_metrics_test.cpp
    ${ZEK_ANNOTATIONS_DIR}/text_test.cpp
  LIBS zekhost
)
target_include_directories(host_annotation_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
