# cm_add_qt_test(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [LABELS <labels...>])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs
# through tests/run-isolated.sh, which gives it a fresh HOME, XDG folders and
# TMPDIR of its own, so no test touches the real home or temp folders.
# gold links the test programs, most of them large, in a fraction of the
# default linker's time; without it they link as the programs do.
find_program(CM_LD_GOLD ld.gold)

function(cm_add_qt_test name)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-sandboxes)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    # Every test program is built as a widgets program, so that all of them
    # share one set of precompiled headers.
    target_link_libraries(${name} PRIVATE Qt5::Test Qt5::Widgets ${ARG_LIBS})
    cm_precompile(${name} test)
    # A test's own code is checked, not measured: it is built for a quick
    # build, without debugging information; the code it tests keeps its
    # release flags.
    target_compile_options(${name} PRIVATE -O1 -g0)
    if(CM_LD_GOLD)
        target_link_options(${name} PRIVATE -fuse-ld=gold)
    endif()
    # Tests reach into every folder.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
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
