# Common compile settings and helpers for the project's targets.

set(QOR_WARNINGS -Wall -Wextra -Wno-missing-field-initializers)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports std::string concatenation at -O3 as overlapping copies, a known false alarm.
    list(APPEND QOR_WARNINGS -Wno-restrict)
endif()

if(QOR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(QOR_FUZZ)
    # The libraries get the fuzzer's coverage instrumentation; only the targets link libFuzzer.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
if(QOR_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# qor_library(NAME SOURCES... [DEPS ...]): one static library per src/ folder.
function(qor_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE ${QOR_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# qor_test(NAME SOURCES... [DEPS ...]): one GoogleTest executable, registered with CTest.
# Tests find the shared test pictures and the source tree through compile definitions.
function(qor_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_options(${name} PRIVATE ${QOR_WARNINGS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} qor_testsupport GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QORGALLERY_RSC=${PROJECT_SOURCE_DIR}/rsc")
endfunction()
