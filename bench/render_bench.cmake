# zek-render-bench: the renderer on generated sheets of plates (PNG and SVG).
# Run by hand; never a test.
add_executable(zek-render-bench ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp)
target_include_directories(zek-render-bench PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-render-bench PRIVATE zekrender zekplategen zekbenchrecord zekhost zek_warnings)
