# Native (Linux) configuration: unit tests, benchmarks, fuzz targets.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

file(GLOB KARVELLO_FAKE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fakes/*.cpp)
if(KARVELLO_FAKE_SOURCES)
    add_library(karvello_fakes STATIC ${KARVELLO_FAKE_SOURCES})
    target_include_directories(karvello_fakes PUBLIC ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(karvello_fakes PUBLIC karvello_core)
else()
    add_library(karvello_fakes INTERFACE)
    target_include_directories(karvello_fakes INTERFACE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(karvello_fakes INTERFACE karvello_core)
endif()

file(GLOB_RECURSE KARVELLO_UNIT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
# A target needs at least one source; before the first unit test exists there is no unit_tests at all.
if(KARVELLO_UNIT_SOURCES)
    add_executable(unit_tests ${KARVELLO_UNIT_SOURCES})
    target_link_libraries(unit_tests PRIVATE karvello_fakes GTest::gtest GTest::gtest_main Threads::Threads)
    target_compile_definitions(unit_tests PRIVATE KARVELLO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME unit COMMAND unit_tests)
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND)
    file(GLOB KARVELLO_BENCH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
    if(KARVELLO_BENCH_SOURCES)
        add_executable(karvello_bench ${KARVELLO_BENCH_SOURCES})
        target_link_libraries(karvello_bench PRIVATE karvello_fakes benchmark::benchmark benchmark::benchmark_main)
    endif()
    # The heap benchmarks count every allocation through their own operator new, which would slow every
    # other benchmark of the same program: they are a program of their own.
    add_executable(karvello_memory_bench ${PROJECT_SOURCE_DIR}/bench/memory/MemoryBench.cpp)
    target_link_libraries(karvello_memory_bench PRIVATE karvello_fakes benchmark::benchmark benchmark::benchmark_main)
endif()
# The benchmarks' large tree written to a file, for the timing scripts of the programs that read one.
add_executable(bench_tree_file ${PROJECT_SOURCE_DIR}/bench/tools/WriteBenchTree.cpp)
target_link_libraries(bench_tree_file PRIVATE karvello_fakes)

if(KARVELLO_FUZZ)
    # One libFuzzer executable per file in tests/fuzz.
    file(GLOB KARVELLO_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/*.cpp)
    foreach(src IN LISTS KARVELLO_FUZZ_SOURCES)
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(${name} PRIVATE karvello_fakes)
    endforeach()
endif()
