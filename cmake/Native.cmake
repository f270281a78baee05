# Native tree: the portable core, its tests, benchmarks and fuzz targets.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB QUIZ_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(core_tests ${QUIZ_CORE_TESTS})
target_link_libraries(core_tests PRIVATE quiz_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)
