# The publisher's unit tests (GoogleTest), benchmark (Google Benchmark) and fuzz targets
# (libFuzzer), included from tests/CMakeLists.txt where the publisher is built.

if(PELIMOR_TESTS)
  file(GLOB publish_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
  add_executable(pelimor_publish_tests ${publish_test_sources})
  target_link_libraries(pelimor_publish_tests PRIVATE pelimor_publisher pelimor_test_support)
  # The expected panel texts are CP932 literals, as in the other tests; sources fed to the
  # publisher are u8 literals.
  pelimor_target_options(pelimor_publish_tests)
  add_test(NAME pelimor_publish_tests COMMAND pelimor_publish_tests
           --gtest_output=xml:${result_folder}/pelimor_publish_tests.xml)
  set_tests_properties(pelimor_publish_tests PROPERTIES ENVIRONMENT "TZ=JST-9" TIMEOUT 900)
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
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE pelimor_publisher)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    pelimor_publisher_options(${name})
  endforeach()
endif()
