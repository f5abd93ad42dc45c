# The user's guide: one HTML page per language from doc/guide/, built into
# ${PROJECT_BINARY_DIR}/guide/<language>/ with the gallery's pictures rendered in that language
# and the computer levels as dvk-sim measures them. The program finds it there when it runs
# from its build folder, and installed beside the program's data.
#
# A picture is added by one <img src="pictures/NAME.png"> line in a page: every picture a page
# names is copied from the gallery, and a name the gallery does not render fails the build.
set(DVK_GUIDE_LANGUAGES en ja)
set(DVK_GUIDE_DIR ${PROJECT_BINARY_DIR}/guide)
set(DVK_GUIDE_GALLERY_DIR ${PROJECT_BINARY_DIR}/guide-gallery)
# Enough legs that the averages stand still to the second decimal.
set(DVK_GUIDE_SIM_LEGS 20000)

set(guide_sources ${PROJECT_SOURCE_DIR}/doc/guide/guide.css)
file(GLOB_RECURSE guide_kept_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/guide/pictures/*.png)
list(APPEND guide_sources ${guide_kept_pictures})
set(guide_pages)
set(gallery_commands)
foreach(language IN LISTS DVK_GUIDE_LANGUAGES)
    list(APPEND guide_sources ${PROJECT_SOURCE_DIR}/doc/guide/${language}/index.html)
    list(APPEND guide_pages ${DVK_GUIDE_DIR}/${language}/index.html)
    list(APPEND gallery_commands
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:dvk_gallery> ${DVK_GUIDE_GALLERY_DIR}/${language} ${language})
endforeach()

add_custom_command(
    OUTPUT ${guide_pages}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${DVK_GUIDE_GALLERY_DIR}
    ${gallery_commands}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/doc/guide
            -DOUTPUT_DIR=${DVK_GUIDE_DIR} -DGALLERY_DIR=${DVK_GUIDE_GALLERY_DIR}
            "-DLANGUAGES=${DVK_GUIDE_LANGUAGES}" -DSIM=$<TARGET_FILE:dvk-sim>
            -DLEGS=${DVK_GUIDE_SIM_LEGS} -DVERSION=${PROJECT_VERSION}
            -P ${PROJECT_SOURCE_DIR}/cmake/BuildGuide.cmake
    DEPENDS dvk_gallery dvk-sim ${guide_sources} ${PROJECT_SOURCE_DIR}/cmake/BuildGuide.cmake
    COMMENT "Building the user's guide"
    VERBATIM)
add_custom_target(guide ALL DEPENDS ${guide_pages})
