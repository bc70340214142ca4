# cm_add_qt_test(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [LABELS <labels...>])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs
# through tests/run-isolated.sh, which gives it a fresh HOME, XDG folders and
# TMPDIR of its own, so no test touches the real home or temp folders.
function(cm_add_qt_test name)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-sandboxes)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    # Pages are drawn by the renderer program, found beside the test program.
    if(TARGET sheafrender)
        add_dependencies(${name} sheafrender)
    endif()
    set_target_properties(${name} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/run-isolated.sh $<TARGET_FILE:${name}>)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "CLEAVEMARK_TEST_ROOT=${CMAKE_BINARY_DIR}/test-sandboxes;QT_QPA_PLATFORM=offscreen;CLEAVEMARK_BIN_DIR=${CMAKE_BINARY_DIR}/bin;CLEAVEMARK_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
