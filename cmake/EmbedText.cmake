# Compiles text files of resources/ into the engine as byte arrays, so the engine can fall back
# to its built-in tables without Qt's resource system. Each file becomes
# `extern const char dvk_resource_<stem>[]` plus `dvk_resource_<stem>_size`.
function(dvk_embed_text_files target)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
    file(MAKE_DIRECTORY ${out_dir})
    foreach(input IN LISTS ARGN)
        get_filename_component(stem ${input} NAME_WE)
        set(output ${out_dir}/${stem}_resource.cpp)
        add_custom_command(
            OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSTEM=${stem}
                    -P ${PROJECT_SOURCE_DIR}/cmake/EmbedOne.cmake
            DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedOne.cmake
            VERBATIM)
        target_sources(${target} PRIVATE ${output})
    endforeach()
endfunction()
