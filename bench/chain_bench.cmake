# zek-chain-bench: the chain builder of foundation/chains (end-node map, walk,
# purge) on sheets of plate outlines. Run by hand; never a test.
add_executable(zek-chain-bench ${CMAKE_CURRENT_LIST_DIR}/chain_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp)
target_include_directories(zek-chain-bench PRIVATE ${CMAKE_SOURCE_DIR}/host/src)
target_link_libraries(zek-chain-bench PRIVATE zek_foundation_chains zekbenchrecord zekhost zek_warnings)
