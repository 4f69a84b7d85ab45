# The R12 forms of what R12 cannot hold (lightweight polylines, ellipses,
# splines, MTEXT, leaders) and their chords. Included from
# host/src/dxf/CMakeLists.txt.
target_sources(zekhost PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/r12_chords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/r12_forms.cpp)

zek_add_test(NAME host_dxf_r12_forms_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/r12_chords_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/r12_forms_ezdxf_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/r12_forms_test.cpp
  LIBS zekhost)
target_include_directories(host_dxf_r12_forms_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
