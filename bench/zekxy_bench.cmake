# zek-zekxy-bench: ZEKXY of modules/zekadxy1 on generated die plates of 100,
# 1,000 and 10,000 holes, with the layout check of the result. Run by hand
# from a Release build; never a test.
add_executable(zek-zekxy-bench ${CMAKE_CURRENT_LIST_DIR}/zekxy_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_bench.cpp)
target_include_directories(zek-zekxy-bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}
  ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-zekxy-bench PRIVATE zekadxy1_layoutcheck zekplategen zekhost zekbenchrecord zek_warnings)
target_compile_definitions(zek-zekxy-bench PRIVATE
  ZEK_BENCH_MODULE_DIR="${ZEK_MODULE_OUTPUT_DIR}")
# The modules it loads are built with it where they exist.
foreach(module zekislands zekadxy1)
  if(TARGET ${module})
    add_dependencies(zek-zekxy-bench ${module})
  endif()
endforeach()
