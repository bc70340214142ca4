# Test programs and the CTest entries that run them.
#
# A folder's test classes are built into one program (cm_add_test_program),
# so that the folder links once, and each class is its own CTest entry
# (cm_add_test_case), run in a process of its own. Every entry runs through
# tests/run-isolated.sh, which gives it a fresh HOME, XDG folders and TMPDIR
# of its own, so no test touches the real home or temp folders.
#
# cm_add_test_program(<program> SOURCES <files...> [LIBS <targets...>] [DEPENDS <targets...>] [OWN_MAIN])
# cm_add_test_case(<name> <program> <TestClass> [TIMEOUT <s>] [COST <s>] [LABELS <l...>]
#                  [ENVIRONMENT <VAR=value...>] [ARGS <arguments...>] [X11])
# cm_add_qt_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <s>] [COST <s>] [LABELS <l...>] [OWN_MAIN])
#
# COST is about how many seconds the entry runs. A fresh build's CTest knows
# no durations and would start the entries in the order they are defined;
# it starts the costly ones first, so that none is left running alone at
# the end while the other processors idle.
#     a program of one class with one entry of the same name

# gold links the test programs, most of them large, in a fraction of the
# default linker's time; without it they link as the programs do.
find_program(CM_LD_GOLD ld.gold)
find_program(CM_XVFB_RUN xvfb-run)

set(CM_TEST_ENVIRONMENT
    "CLEAVEMARK_TEST_ROOT=${CMAKE_BINARY_DIR}/test-sandboxes"
    "CLEAVEMARK_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    "CLEAVEMARK_SOURCE_DIR=${CMAKE_SOURCE_DIR}")

function(cm_add_test_program program)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-sandboxes)
    cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
    if(NOT ARG_OWN_MAIN)
        list(APPEND ARG_SOURCES $<TARGET_OBJECTS:cm_testmain>)
    endif()
    add_executable(${program} ${ARG_SOURCES})
    # Every test program is built as a widgets and network program (Qt Test
    # reads QT_NETWORK_LIB), so that all of them
    # share one set of precompiled headers; tests reach into every folder.
    target_link_libraries(${program} PRIVATE Qt5::Test Qt5::Widgets Qt5::Network ${ARG_LIBS})
    target_include_directories(${program} PRIVATE ${PROJECT_SOURCE_DIR})
    cm_precompile(${program} test)
    # A test's own code is checked, not measured: it is built for a quick
    # build, without debugging information; the code it tests keeps its
    # release flags.
    target_compile_options(${program} PRIVATE -O1 -g0)
    if(CM_LD_GOLD)
        target_link_options(${program} PRIVATE -fuse-ld=gold)
    endif()
    target_compile_definitions(${program} PRIVATE "CM_SCREENSHOT_FOLDER=\"${CMAKE_BINARY_DIR}/screenshots\"")
    # Pages are drawn by the renderer program, found beside the test program.
    if(TARGET sheafrender)
        add_dependencies(${program} sheafrender)
    endif()
    if(ARG_DEPENDS)
        add_dependencies(${program} ${ARG_DEPENDS})
    endif()
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
endfunction()

function(cm_add_test_case name program class)
    cmake_parse_arguments(ARG "X11" "TIMEOUT;COST" "LABELS;ENVIRONMENT;ARGS" ${ARGN})
    set(platform QT_QPA_PLATFORM=offscreen)
    set(command ${CMAKE_SOURCE_DIR}/tests/run-isolated.sh $<TARGET_FILE:${program}> ${class} ${ARG_ARGS})
    if(ARG_X11)
        # On a bare X server of its own, where Xvfb is installed.
        if(NOT CM_XVFB_RUN)
            return()
        endif()
        set(platform QT_QPA_PLATFORM=xcb)
        set(command ${CM_XVFB_RUN} -a -s "-screen 0 1280x1024x24" ${command})
    endif()
    add_test(NAME ${name} COMMAND ${command})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${CM_TEST_ENVIRONMENT};${platform};${ARG_ENVIRONMENT}")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
    if(ARG_COST)
        set_tests_properties(${name} PROPERTIES COST ${ARG_COST})
    endif()
endfunction()

function(cm_add_qt_test name)
    cmake_parse_arguments(ARG "OWN_MAIN" "TIMEOUT;COST" "SOURCES;LIBS;LABELS" ${ARGN})
    set(own_main "")
    if(ARG_OWN_MAIN)
        set(own_main OWN_MAIN)
    endif()
    cm_add_test_program(${name} SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS} ${own_main})
    set(extra "")
    if(ARG_TIMEOUT)
        list(APPEND extra TIMEOUT ${ARG_TIMEOUT})
    endif()
    if(ARG_COST)
        list(APPEND extra COST ${ARG_COST})
    endif()
    if(ARG_LABELS)
        list(APPEND extra LABELS ${ARG_LABELS})
    endif()
    # A program of one class runs it without its name.
    cm_add_test_case(${name} ${name} "" ${extra})
endfunction()
