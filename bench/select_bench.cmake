# zek-select-bench: crossing-window selection time against drawing size (the
# spatial index of host/src/editor/select). Run by hand; never a test.
add_executable(zek-select-bench ${CMAKE_CURRENT_LIST_DIR}/select_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp)
target_include_directories(zek-select-bench PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-select-bench PRIVATE zekbenchrecord zekhost zek_warnings)
# The drawing mode's pure parts (options, the middle window, the run summary),
# shared by the four operation benches.
zek_add_test(NAME bench_drawing_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawing_bench_test.cpp ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp
  LIBS zekbenchrecord zekhost)
target_include_directories(bench_drawing_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/host/src)
