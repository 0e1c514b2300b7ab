# Options shared by every target of ours (not by third-party code built beside it).

# Sources are UTF-8; narrow literals become CP932 bytes, as the program text is CP932.
# clang cannot re-encode literals; the fuzz build (the only clang build) keeps them UTF-8,
# which changes no parser's robustness.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(PELIMOR_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)
endif()

if(PELIMOR_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_LIST_DIR}/fuzz_coverage_ignorelist.txt)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PELIMOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained executable: no libstdc++/libgcc/winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
endif()

function(pelimor_target_options target)
  target_compile_options(${target} PRIVATE ${PELIMOR_CHARSET_FLAGS} -Wall -Wextra)
  if(PELIMOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The test-only crash on request (framework/test_crash.h) in a program of the Win32 shell.
function(pelimor_test_crash_option target)
  if(PELIMOR_TEST_CRASH)
    target_compile_definitions(${target} PRIVATE PELIMOR_TEST_CRASH)
  endif()
endfunction()
