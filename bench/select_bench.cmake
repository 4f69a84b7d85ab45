# zek-select-bench: crossing-window selection time against drawing size (the
# spatial index of host/src/editor/select). Run by hand; never a test.
add_executable(zek-select-bench ${CMAKE_CURRENT_LIST_DIR}/select_bench.cpp)
target_include_directories(zek-select-bench PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-select-bench PRIVATE zekhost zek_warnings)
