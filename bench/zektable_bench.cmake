# zek-zektable-bench: ZEKTABLE2 of modules/zektable on generated die plates of
# 1,000, 10,000 and 100,000 holes with their codes on the holes. Run by hand
# from a Release build; never a test.
add_executable(zek-zektable-bench ${CMAKE_CURRENT_LIST_DIR}/zektable_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_bench.cpp)
target_include_directories(zek-zektable-bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}
  ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-zektable-bench PRIVATE zekplategen zekhost zekbenchrecord zek_warnings)
target_compile_definitions(zek-zektable-bench PRIVATE
  ZEK_BENCH_MODULE_DIR="${ZEK_MODULE_OUTPUT_DIR}")
# The modules it loads are built with it where they exist.
foreach(module zekislands zektable)
  if(TARGET ${module})
    add_dependencies(zek-zektable-bench ${module})
  endif()
endforeach()
