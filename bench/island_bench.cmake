# zek-island-bench: the island sweep of modules/zekislands (a plain function
# over boxes) on sheets of plates side by side. Run by hand; never a test.
add_executable(zek-island-bench ${CMAKE_CURRENT_LIST_DIR}/island_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp ${CMAKE_SOURCE_DIR}/modules/zekislands/island_sweep.cpp)
target_include_directories(zek-island-bench PRIVATE ${CMAKE_SOURCE_DIR}/modules/zekislands
  ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-island-bench PRIVATE zekbenchrecord zekhost zek_warnings)
