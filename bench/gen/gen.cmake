# zek-bench-gen: benchmark drawings (plategen's sheet with ordinate dimensions)
# as DXF R2004 and R12. Included from bench/CMakeLists.txt.
set(ZEK_BENCH_GEN_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(zekbenchgen STATIC
  ${ZEK_BENCH_GEN_DIR}/bench_drawing.cpp
  ${ZEK_BENCH_GEN_DIR}/ordinate_dimensions.cpp)
target_include_directories(zekbenchgen PUBLIC ${ZEK_BENCH_GEN_DIR})
target_link_libraries(zekbenchgen PUBLIC zekplategen PRIVATE zek_warnings)

add_executable(zek-bench-gen ${ZEK_BENCH_GEN_DIR}/main.cpp)
target_link_libraries(zek-bench-gen PRIVATE zekbenchgen zek_warnings)

zek_add_test(NAME bench_gen_tests
  SOURCES ${ZEK_BENCH_GEN_DIR}/bench_drawing_test.cpp
  LIBS zekbenchgen zekhost)
target_include_directories(bench_gen_tests PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
