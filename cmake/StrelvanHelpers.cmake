# add_strelvan_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One test executable; its GoogleTest cases are registered with CTest one by one.
include(GoogleTest)
function(add_strelvan_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    target_compile_definitions(${name} PRIVATE
        STRELVAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        STRELVAN_REAL_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data/real")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
