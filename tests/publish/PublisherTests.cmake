# The publisher's unit tests (GoogleTest), benchmark (Google Benchmark) and fuzz targets
# (libFuzzer), included from tests/CMakeLists.txt where the publisher is built.

if(PELIMOR_TESTS)
  file(GLOB publish_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
  # The expected panel texts are CP932 literals, as in the other tests; sources fed to the
  # publisher are u8 literals.
  pelimor_add_test_program(pelimor_publish_tests pelimor_publisher ${publish_test_sources})
endif()

if(PELIMOR_BENCHMARKS)
  add_executable(pelimor_publish_benchmarks ${CMAKE_CURRENT_LIST_DIR}/bench/publish_bench.cpp)
  target_link_libraries(pelimor_publish_benchmarks PRIVATE pelimor_publisher benchmark::benchmark_main)
  pelimor_publisher_options(pelimor_publish_benchmarks)
endif()

if(PELIMOR_FUZZ)
  # One libFuzzer target per input adapter of the publisher.
  file(GLOB publish_fuzz_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fuzz/*_fuzz.cpp)
  foreach(source IN LISTS publish_fuzz_sources)
    pelimor_add_fuzz_target(${source} pelimor_publisher)
  endforeach()
endif()
