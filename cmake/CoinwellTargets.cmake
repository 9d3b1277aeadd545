# Helpers every subsystem uses to declare its libraries and tests.

# coinwell_core_library(name SOURCES ... [DEPENDS ...]): a plain C++ static library; never links Qt.
function(coinwell_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

# coinwell_ui_library(name SOURCES ... [DEPENDS ...]): a Qt Widgets static library.
function(coinwell_ui_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_DEPENDS})
endfunction()

# coinwell_gtest(name SOURCES ... [DEPENDS ...]): a GoogleTest executable registered with CTest.
function(coinwell_gtest name)
    if(NOT COINWELL_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock ${ARG_DEPENDS})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# coinwell_qtest(name SOURCES ... [DEPENDS ...]): a Qt Test executable of screens, run offscreen.
# Screen tests link coinwell_test_support, whose scripted dialogs fail the test on any question
# the test did not expect and whose watchdog fails it on any real modal dialog.
function(coinwell_qtest name)
    if(NOT COINWELL_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test coinwell_test_support ${ARG_DEPENDS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;COINWELL_SHARE_DIR=${PROJECT_SOURCE_DIR}/data;QT_LOGGING_RULES=qt.qpa.*=false"
        TIMEOUT 300)
endfunction()

# coinwell_benchmark(name SOURCES ... [DEPENDS ...]): a Google Benchmark executable (not a test).
function(coinwell_benchmark name)
    if(NOT COINWELL_BENCHMARKS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE benchmark::benchmark benchmark::benchmark_main ${ARG_DEPENDS})
endfunction()
