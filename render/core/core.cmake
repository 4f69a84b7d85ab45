# render/core: the picture of a document — window and fit, styles, batched
# strokes and fills, every entity kind, the drawing interface of custom
# entities, temporary graphics and the SVG, PNG and PDF files. Included from
# render/CMakeLists.txt.
set(ZEK_RENDER_CORE_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekrender PRIVATE
  ${ZEK_RENDER_CORE_DIR}/area_drawing.cpp
  ${ZEK_RENDER_CORE_DIR}/block_drawing.cpp
  ${ZEK_RENDER_CORE_DIR}/canvas.cpp
  ${ZEK_RENDER_CORE_DIR}/device_transform.cpp
  ${ZEK_RENDER_CORE_DIR}/document_drawing.cpp
  ${ZEK_RENDER_CORE_DIR}/entity_drawer.cpp
  ${ZEK_RENDER_CORE_DIR}/entity_style.cpp
  ${ZEK_RENDER_CORE_DIR}/flattening.cpp
  ${ZEK_RENDER_CORE_DIR}/picture_frame.cpp
  ${ZEK_RENDER_CORE_DIR}/pixel_lines.cpp
  ${ZEK_RENDER_CORE_DIR}/polyline_drawing.cpp
  ${ZEK_RENDER_CORE_DIR}/render_document.cpp
  ${ZEK_RENDER_CORE_DIR}/text_drawing.cpp
  ${ZEK_RENDER_CORE_DIR}/world_draw.cpp
)

# Test helpers: the SVG reader and small drawings (not part of zekrender).
add_library(zek_render_testing STATIC
  ${ZEK_RENDER_CORE_DIR}/render_test_support.cpp
  ${ZEK_RENDER_CORE_DIR}/svg_reader.cpp)
target_link_libraries(zek_render_testing PUBLIC zekrender zek_editor_testing zek_db_testing
  GTest::gtest PRIVATE zek_warnings)

zek_add_test(NAME render_core_tests
  SOURCES
    ${ZEK_RENDER_CORE_DIR}/block_drawing_test.cpp
    ${ZEK_RENDER_CORE_DIR}/entity_kinds_test.cpp
    ${ZEK_RENDER_CORE_DIR}/entity_style_test.cpp
    ${ZEK_RENDER_CORE_DIR}/output_files_test.cpp
    ${ZEK_RENDER_CORE_DIR}/picture_frame_test.cpp
    ${ZEK_RENDER_CORE_DIR}/pixel_lines_test.cpp
    ${ZEK_RENDER_CORE_DIR}/temporary_graphics_test.cpp
    ${ZEK_RENDER_CORE_DIR}/world_draw_test.cpp
  LIBS zek_render_testing)

# The sample drawings of other programs (label corpus).
zek_add_test(NAME render_core_corpus_tests
  SOURCES ${ZEK_RENDER_CORE_DIR}/render_corpus_test.cpp
  LIBS zek_render_testing
  LABELS corpus)
