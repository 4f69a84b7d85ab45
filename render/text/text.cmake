# render/text: painting TEXT, ATTRIB, ATTDEF and MTEXT through pango.
# Included from render/CMakeLists.txt.
set(ZEK_RENDER_TEXT_DIR ${CMAKE_CURRENT_LIST_DIR})

target_sources(zekrender PRIVATE
  ${ZEK_RENDER_TEXT_DIR}/laid_out_text.cpp
  ${ZEK_RENDER_TEXT_DIR}/printable_text.cpp
  ${ZEK_RENDER_TEXT_DIR}/text_entities.cpp
  ${ZEK_RENDER_TEXT_DIR}/text_layout_cache.cpp
  ${ZEK_RENDER_TEXT_DIR}/text_painter.cpp
)

zek_add_test(NAME render_text_tests
  SOURCES
    ${ZEK_RENDER_TEXT_DIR}/mtext_line_boxes_test.cpp
    ${ZEK_RENDER_TEXT_DIR}/printable_text_test.cpp
    ${ZEK_RENDER_TEXT_DIR}/text_bounds_test.cpp
    ${ZEK_RENDER_TEXT_DIR}/text_painter_test.cpp
  LIBS zekrender
)
