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
    # From the build folder, where a source path in __FILE__ is relative to (ccache's base
    # folder makes the compiler's paths relative).
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;COINWELL_SHARE_DIR=${CMAKE_BINARY_DIR}/share/coinwell;QT_LOGGING_RULES=qt.qpa.*=false"
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

# coinwell_subsystem(name [CORE_DEPENDS ...] [UI_DEPENDS ...] [TEST_DEPENDS ...])
# Declares a subsystem from its folders by convention:
#   core/*.cpp          -> static library coinwell_<name>_core (plain C++)
#   ui/*.cpp            -> static library coinwell_<name>_ui (Qt Widgets), linking the core
#   tests/*_test.cpp    -> one GoogleTest executable <name>_core_tests
#   tests/*_qtest.cpp   -> one Qt Test executable per file, <name>_<file stem>
# A folder without sources declares nothing.
function(coinwell_subsystem name)
    cmake_parse_arguments(ARG "" "" "CORE_DEPENDS;UI_DEPENDS;TEST_DEPENDS" ${ARGN})
    set(dir ${CMAKE_CURRENT_SOURCE_DIR})
    file(GLOB core_sources CONFIGURE_DEPENDS ${dir}/core/*.cpp)
    file(GLOB ui_sources CONFIGURE_DEPENDS ${dir}/ui/*.cpp ${dir}/ui/*.h ${dir}/ui/*.qrc)
    file(GLOB core_tests CONFIGURE_DEPENDS ${dir}/tests/*_test.cpp)
    file(GLOB screen_tests CONFIGURE_DEPENDS ${dir}/tests/*_qtest.cpp)
    set(libs)
    if(core_sources)
        coinwell_core_library(coinwell_${name}_core SOURCES ${core_sources} DEPENDS ${ARG_CORE_DEPENDS})
        list(APPEND libs coinwell_${name}_core)
    endif()
    if(ui_sources)
        coinwell_ui_library(coinwell_${name}_ui SOURCES ${ui_sources} DEPENDS ${libs} ${ARG_CORE_DEPENDS} ${ARG_UI_DEPENDS})
        list(APPEND libs coinwell_${name}_ui)
    endif()
    if(core_tests)
        coinwell_gtest(${name}_core_tests SOURCES ${core_tests} DEPENDS ${libs} ${ARG_CORE_DEPENDS} ${ARG_TEST_DEPENDS})
    endif()
    foreach(test_file IN LISTS screen_tests)
        get_filename_component(stem ${test_file} NAME_WE)
        coinwell_qtest(${name}_${stem} SOURCES ${test_file} DEPENDS ${libs} ${ARG_UI_DEPENDS} ${ARG_TEST_DEPENDS})
    endforeach()
endfunction()
