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

# Qt's automatic moc does not rerun when a globbed source list gains a header: when the
# list changes at configure time, drop the moc step's timestamp so that it runs again.
function(strelvan_autogen_follows_sources target)
    get_target_property(srcs ${target} SOURCES)
    string(REPLACE ";" "\n" listing "${srcs}")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
    set(previous "")
    if(EXISTS ${stamp})
        file(READ ${stamp} previous)
    endif()
    if(NOT previous STREQUAL "${listing}\n")
        file(WRITE ${stamp} "${listing}\n")
        file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    endif()
endfunction()
