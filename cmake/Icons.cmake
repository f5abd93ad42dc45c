# Renders the dvk icon from its drawings in resources/icons/ into PNG files at the sizes of the
# hicolor icon theme: the small sizes from a drawing without the board's sectors, which would
# only blur there. dvk_render_icons(<variable>) stores the PNG files made, one per size, in
# the variable; they land in ${PROJECT_BINARY_DIR}/icons as dvk_<size>.png.
set(DVK_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(DVK_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/dvk.svg)
set(DVK_SMALL_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/dvk-small.svg)

function(dvk_render_icons result)
    find_program(DVK_RSVG_CONVERT rsvg-convert REQUIRED)
    set(icon_dir ${PROJECT_BINARY_DIR}/icons)
    file(MAKE_DIRECTORY ${icon_dir})
    set(pngs)
    foreach(size IN LISTS DVK_ICON_SIZES)
        set(drawing ${DVK_ICON_SVG})
        if(size LESS 32)
            set(drawing ${DVK_SMALL_ICON_SVG})
        endif()
        set(png ${icon_dir}/dvk_${size}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${DVK_RSVG_CONVERT} --width=${size} --height=${size} --format=png
                    --output=${png} ${drawing}
            DEPENDS ${drawing}
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${result} ${pngs} PARENT_SCOPE)
endfunction()
