# The update check's answer is shown in the program, so its endpoint must be
# reached over https: a plain http address could be answered by anyone on the
# way. Included by the top-level CMakeLists.txt; also runs as a script,
#   cmake -DCLEAVEMARK_UPDATE_ENDPOINT=<address> -P cmake/UpdateEndpoint.cmake
# which is how the tests check the rule.
function(cm_check_update_endpoint address)
    if(NOT address STREQUAL "" AND NOT address MATCHES "^https://[^/?#]+")
        message(FATAL_ERROR
            "CLEAVEMARK_UPDATE_ENDPOINT must be an https address (or empty for no update check): "
            "'${address}'")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    cm_check_update_endpoint("${CLEAVEMARK_UPDATE_ENDPOINT}")
endif()
