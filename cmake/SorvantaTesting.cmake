# One GoogleTest executable per area of the code, registered the same way.
#   sorvanta_add_gtest(NAME engine23 SOURCES a.cpp b.cpp LIBS sorvanta_engine23)
# builds `<NAME>_tests` linked to GoogleTest's main and the given libraries,
# and lets ctest discover its cases.
include(GoogleTest)

function(sorvanta_add_gtest)
    cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
    set(target ${ARG_NAME}_tests)
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    if(ARG_DEFINITIONS)
        target_compile_definitions(${target} PRIVATE ${ARG_DEFINITIONS})
    endif()
    if(ARG_TIMEOUT)
        # A test that would wait forever fails here instead of holding CI.
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120)
    endif()
endfunction()
