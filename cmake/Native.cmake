# Native tree: the portable core, its tests, benchmarks and fuzz targets.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB QUIZ_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(core_tests ${QUIZ_CORE_TESTS})
target_link_libraries(core_tests PRIVATE quiz_core GTest::gtest GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE QUIZ_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

# Benchmarks: built with the plain tree, run by hand (not tests).
if(NOT QUIZ_SANITIZE AND NOT QUIZ_FUZZ)
find_package(benchmark REQUIRED)
file(GLOB QUIZ_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
foreach(bench_source IN LISTS QUIZ_BENCHES)
  get_filename_component(bench_name ${bench_source} NAME_WE)
  add_executable(${bench_name} ${bench_source})
  target_link_libraries(${bench_name} PRIVATE quiz_core benchmark::benchmark)
endforeach()
endif()

# Fuzz targets: one program per fuzz/*_fuzz.cpp, run by tools/fuzz.sh.
if(QUIZ_FUZZ)
  file(GLOB QUIZ_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(fuzz_source IN LISTS QUIZ_FUZZ_TARGETS)
    get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
    add_executable(${fuzz_name} ${fuzz_source})
    target_link_libraries(${fuzz_name} PRIVATE quiz_core)
    target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()
