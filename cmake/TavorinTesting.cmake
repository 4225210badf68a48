# Test registration shared by every folder under tests/ and fuzz/.
#
#   tavorin_core_test(name sources...)     GoogleTest program over the portable core. Natively
#                                          one ctest entry per test; on Windows one entry per
#                                          program (each Wine process start costs ~85 ms).
#   tavorin_win_test(name sources...)      GoogleTest program over the Win32 shell, run headless
#                                          under Wine (label "wine").
#   tavorin_display_test(name sources...)  the same, run inside an X display (label "display").
#   tavorin_fuzz_target(name sources...)   libFuzzer target, run for a bounded time by ctest.

set(TAVORIN_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs under ctest")

function(_tavorin_register_program name label)
  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()  # built as a compile check only
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS "${label}" TIMEOUT 600)
endfunction()

function(tavorin_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tavorin_core GTest::gtest_main)
  if(WIN32)
    _tavorin_register_program(${name} wine)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES PROPERTIES LABELS native)
  endif()
endfunction()

function(_tavorin_shell_test name label)
  if(NOT WIN32)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tavorin_shell GTest::gtest_main)
  # Windows paths to the source tree (Wine maps Z: to the Unix root).
  if(CMAKE_CROSSCOMPILING)
    set(win_source_dir "Z:${CMAKE_SOURCE_DIR}")
  else()
    set(win_source_dir "${CMAKE_SOURCE_DIR}")
  endif()
  target_compile_definitions(${name} PRIVATE TAVORIN_SOURCE_DIR="${win_source_dir}")
  _tavorin_register_program(${name} ${label})
endfunction()

function(tavorin_win_test name)
  _tavorin_shell_test(${name} wine ${ARGN})
endfunction()

function(tavorin_display_test name)
  _tavorin_shell_test(${name} display ${ARGN})
endfunction()

function(tavorin_fuzz_target name)
  if(NOT TAVORIN_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tavorin_core)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  set(seeds ${CMAKE_SOURCE_DIR}/fuzz/seeds/${name})
  set(seed_args)
  if(EXISTS ${seeds})
    set(seed_args ${seeds})
  endif()
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${TAVORIN_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                   -print_final_stats=0 ${corpus} ${seed_args})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
