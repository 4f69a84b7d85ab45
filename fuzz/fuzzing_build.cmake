# A fuzzing build (-DZEK_FUZZ=ON, clang): every library the fuzz targets use
# is compiled with libFuzzer's coverage hooks and AddressSanitizer +
# UndefinedBehaviorSanitizer; the targets link libFuzzer (fuzz/CMakeLists.txt).
# Included from the top CMakeLists.txt before any target, which then
# configures only the host, the foundation and fuzz/.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "ZEK_FUZZ needs clang with libFuzzer: -DCMAKE_CXX_COMPILER=clang++-14")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
  -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
# Every object its own allocation, so AddressSanitizer sees each one.
add_compile_definitions(ZEK_NO_OBJECT_POOL)
