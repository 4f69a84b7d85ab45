# zek-chain-bench: the chain builder of foundation/chains (end-node map, walk,
# purge) on sheets of plate outlines. Run by hand; never a test.
add_executable(zek-chain-bench ${CMAKE_CURRENT_LIST_DIR}/chain_bench.cpp)
target_link_libraries(zek-chain-bench PRIVATE zek_foundation_chains zekhost zek_warnings)
