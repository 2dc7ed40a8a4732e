# Third-party pieces, all from Debian: GoogleTest, Google Benchmark, cJSON.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

if(WIN32)
    # cJSON from Debian's source package, fetched by the setup script.
    set(PDR_CJSON_SOURCE_DIR "${CMAKE_SOURCE_DIR}/build/deps/cjson-src" CACHE PATH
        "Debian's cJSON source tree")
    if(NOT EXISTS ${PDR_CJSON_SOURCE_DIR}/cJSON.c)
        message(FATAL_ERROR "cJSON sources not found in ${PDR_CJSON_SOURCE_DIR}; run tools/setup.sh")
    endif()
    set(cjson_include ${CMAKE_BINARY_DIR}/cjson-include)
    configure_file(${PDR_CJSON_SOURCE_DIR}/cJSON.h ${cjson_include}/cjson/cJSON.h COPYONLY)
    add_library(pdr_cjson STATIC ${PDR_CJSON_SOURCE_DIR}/cJSON.c)
    # Without ENABLE_LOCALES a host program's German C locale would
    # leak into the numbers cJSON reads and writes.
    target_compile_definitions(pdr_cjson PRIVATE ENABLE_LOCALES)
    target_compile_options(pdr_cjson PRIVATE -w)
    target_include_directories(pdr_cjson PUBLIC ${cjson_include})

    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # The framework's speed never shows in a test run; its build time does.
    target_compile_options(gtest PRIVATE -O0 -g0)
    target_compile_options(gtest_main PRIVATE -O0 -g0)

    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine/run-test.sh
        ${CMAKE_BINARY_DIR}/wineprefix)

    set(PDR_WIN32_LIBS winspool comctl32 comdlg32 gdi32 user32 shell32 advapi32 ole32 oleaut32 uuid kernel32)
else()
    find_path(CJSON_INCLUDE_DIR cjson/cJSON.h REQUIRED)
    find_library(CJSON_LIBRARY cjson REQUIRED)
    add_library(pdr_cjson INTERFACE)
    target_include_directories(pdr_cjson INTERFACE ${CJSON_INCLUDE_DIR})
    target_link_libraries(pdr_cjson INTERFACE ${CJSON_LIBRARY})

    find_package(GTest REQUIRED)
    if(PDR_BENCH)
        find_package(benchmark REQUIRED)
    endif()

    if(PDR_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                            -fno-omit-frame-pointer)
        add_link_options(-fsanitize=address,undefined)
    endif()
    if(PDR_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # Coverage feedback for the fuzz targets, which link the same core.
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
endif()
