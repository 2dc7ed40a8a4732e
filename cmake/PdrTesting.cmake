# Test, benchmark and fuzz target helpers for both build trees.
include(GoogleTest)

# A GoogleTest program of the platform-neutral core, run natively.
function(pdr_native_test name)
    if(WIN32)
        return()
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE pdr_core GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common
                               ${CMAKE_SOURCE_DIR}/tests/native/support)
    # The framework's header is most of a test file's compile time: the
    # first test program precompiles it, the others reuse it.
    get_property(owner GLOBAL PROPERTY PDR_NATIVE_TEST_HEADERS)
    if(owner)
        target_precompile_headers(${name} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <string> <vector>)
        set_property(GLOBAL PROPERTY PDR_NATIVE_TEST_HEADERS ${name})
    endif()
    # Listing the tests takes a moment; the limit is generous, as the test
    # command builds this tree on idle processor time only.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 300
        PROPERTIES ENVIRONMENT "PDR_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()

# The properties of a test on the shared test prefix.  Those tests run one
# at a time and together make the run's longest line, so they go first
# (the highest cost): each starts as soon as the one before it ends, and the
# tests in prefixes of their own fill the other slots.
set(PDR_SHARED_PREFIX_TEST FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix COST 200)

# A GoogleTest program built for Windows and run under Wine, in the test
# prefix where the driver is installed with its demo printer.  It links the
# library's Win32 shell and resources, so internal steps can be driven
# directly, and it can load the built DLL from its own folder.
function(pdr_wine_test name)
    if(NOT WIN32)
        return()
    endif()
    pdr_wine_program(${name} ${ARGN})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ${PDR_SHARED_PREFIX_TEST} TIMEOUT 600)
endfunction()

# The compile settings of the Windows test code (the support library and
# every test program): unoptimised with line tables, the headers nearly
# every file includes parsed once (the programs reuse the support library's
# precompiled header, built with the same settings).  What the tests drive,
# the shell's objects, keeps the library's own settings.
function(pdr_wine_test_code name)
    target_compile_options(${name} PRIVATE -O0 -g1)
    if(name STREQUAL "pdr_wine_test_support")
        target_precompile_headers(${name} PRIVATE <windows.h> <commctrl.h> <gtest/gtest.h> <string> <vector>)
    else()
        target_precompile_headers(${name} REUSE_FROM pdr_wine_test_support)
    endif()
endfunction()

# The program of a pdr_wine_test alone, for tests that run it their own way.
function(pdr_wine_program name)
    add_executable(${name} ${ARGN} $<TARGET_OBJECTS:pdr_shell> $<TARGET_OBJECTS:pdr_resources>)
    pdr_wine_test_code(${name})
    target_link_libraries(${name} PRIVATE pdr_core pdr_wine_test_support gtest gtest_main
                          ${PDR_WIN32_LIBS})
    target_link_options(${name} PRIVATE -static)
    add_dependencies(${name} pdr7300ui)
endfunction()

# A Google Benchmark program; the test run only checks that it runs.
function(pdr_benchmark name)
    if(WIN32 OR NOT PDR_BENCH)
        return()
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE pdr_core benchmark::benchmark)
    add_test(NAME ${name} COMMAND ${name} --benchmark_min_time=0.001)
endfunction()

# A libFuzzer target; the test run makes a short fixed number of runs from
# the seeds in fuzz/corpus/<name>, longer runs are made by hand.
function(pdr_fuzz_target name)
    if(WIN32 OR NOT PDR_FUZZ OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        return()
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE pdr_core)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    file(MAKE_DIRECTORY ${work})
    add_test(NAME ${name} COMMAND ${name} -runs=20000 -max_total_time=60 ${work}
             ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
endfunction()
