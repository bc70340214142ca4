# Which folders the code of a folder may include, lowest first. A folder's
# targets see only the folders listed for it: the build gives each folder an
# include root of its own in build/layers/<folder>/, holding links to those
# folders and no others, so an include of a folder above (a page including
# the shell, the window including the worker) does not compile.
#
#   common <- pdf <- protocol <- worker          the worker program
#             pdf <- renderer                    the page renderer
#   common <- pdf <- protocol <- cli             the command line, beside the worker
#   common <- widgets <- dialogs <- jobs <- preview <- (split, merge) <- app
#   instance <- (app, desktop)
#
# protocol/ holds the job files, the progress lines and the output journal:
# the one contract between the window and the worker, so the window needs
# no header of the worker.
set(CM_LAYER_common   common)
set(CM_LAYER_pdf      common pdf)
set(CM_LAYER_protocol common pdf protocol)
set(CM_LAYER_worker   common pdf protocol worker)
set(CM_LAYER_cli      common pdf protocol cli)
set(CM_LAYER_renderer common pdf renderer)
set(CM_LAYER_instance instance)
set(CM_LAYER_widgets  common widgets)
set(CM_LAYER_dialogs  common widgets dialogs)
set(CM_LAYER_jobs     common pdf protocol widgets dialogs jobs)
set(CM_LAYER_preview  ${CM_LAYER_jobs} preview)
set(CM_LAYER_split    ${CM_LAYER_preview} split)
set(CM_LAYER_merge    ${CM_LAYER_preview} merge)
set(CM_LAYER_app      ${CM_LAYER_preview} split merge instance app)
set(CM_LAYER_desktop  instance desktop)
set(CM_LAYERS common pdf protocol worker cli renderer instance widgets dialogs jobs preview split merge app desktop)

# The include roots, made anew at every configure so that they follow the
# table above. file(REMOVE) takes away a link, never what it points to.
foreach(layer IN LISTS CM_LAYERS)
    set(root ${CMAKE_BINARY_DIR}/layers/${layer})
    file(MAKE_DIRECTORY ${root})
    file(GLOB old_links LIST_DIRECTORIES true ${root}/*)
    foreach(link IN LISTS old_links)
        file(REMOVE ${link})
    endforeach()
    foreach(allowed IN LISTS CM_LAYER_${layer})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${allowed} ${root}/${allowed} SYMBOLIC)
    endforeach()
endforeach()

# cm_layer(<target> <folder>): compiles <target> against <folder>'s include root.
function(cm_layer target folder)
    if(NOT DEFINED CM_LAYER_${folder})
        message(FATAL_ERROR "cm_layer: no layer named ${folder}")
    endif()
    target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/layers/${folder})
endfunction()

# For the layering test: "<folder>:<allowed>,<allowed>;..." of every layer.
set(CM_LAYER_TABLE "")
foreach(layer IN LISTS CM_LAYERS)
    string(JOIN "," allowed ${CM_LAYER_${layer}})
    list(APPEND CM_LAYER_TABLE "${layer}:${allowed}")
endforeach()
