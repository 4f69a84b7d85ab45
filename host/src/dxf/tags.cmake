# The DXF tag layer: group codes, number text, code pages, tag reading and
# writing. Included from host/src/dxf/CMakeLists.txt.
target_sources(zekhost PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/failure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tag_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tag_sink.cpp)

zek_add_test(NAME host_dxf_tag_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/group_codes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_codec_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_source_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_sink_test.cpp
  LIBS zekhost)
target_include_directories(host_dxf_tag_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
