# What `cmake --install` puts where (the usual places of a Linux desktop game under the
# prefix), and the Debian packages made from it by CPack (scripts/package.sh): dvk for the
# player, dvk-caller for the caller plug-in with its voice, dvk-dev for plug-in authors.
# Each install rule names the component, and so the package, its files belong to.
set(DVK_RELEASE_DATE "2026-12-08")
set(dvk_generated ${PROJECT_BINARY_DIR}/install)
set(dvk_guide_destination ${CMAKE_INSTALL_DATADIR}/dvk/guide)

install(TARGETS dvk RUNTIME DESTINATION ${DVK_INSTALL_GAMESDIR} COMPONENT player)

# Launcher and AppStream metadata.
configure_file(resources/desktop/dvk.desktop.in ${dvk_generated}/${DVK_APP_ID}.desktop @ONLY)
configure_file(resources/desktop/dvk.metainfo.xml.in
    ${dvk_generated}/${DVK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${dvk_generated}/${DVK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT player)
install(FILES ${dvk_generated}/${DVK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT player)

# Icons: the rendered sizes and the drawing itself.
foreach(size IN LISTS DVK_ICON_SIZES)
    install(FILES ${PROJECT_BINARY_DIR}/icons/dvk_${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${DVK_APP_ID}.png COMPONENT player)
endforeach()
install(FILES ${DVK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${DVK_APP_ID}.svg COMPONENT player)

# Manual pages, English and Japanese, in the section of games and compressed as Debian has
# them. They name the guide's place under the prefix actually installed to, so they are made
# at install time.
find_program(DVK_GZIP gzip REQUIRED)
install(CODE "
    set(DVK_MAN_SOURCE_DIR \"${PROJECT_SOURCE_DIR}/resources/man\")
    set(DVK_MAN_WORK_DIR \"${dvk_generated}/man\")
    set(DVK_GZIP \"${DVK_GZIP}\")
    set(DVK_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    set(DVK_MANDIR \"${CMAKE_INSTALL_MANDIR}\")
    set(DVK_RELEASE_DATE \"${DVK_RELEASE_DATE}\")
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")" COMPONENT player)
install(SCRIPT cmake/InstallManPages.cmake COMPONENT player)

# The user's guide, with its pictures.
install(DIRECTORY ${DVK_GUIDE_DIR}/ DESTINATION ${dvk_guide_destination} COMPONENT player)

# The plug-in interface: the public header, the example plug-ins' sources and the minimal
# plug-in built from them.
install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev
    FILES_MATCHING PATTERN "*.h")
install(DIRECTORY examples/plugins/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dvk-dev/examples
    COMPONENT dev FILES_MATCHING PATTERN "*.c" PATTERN "*.cpp" PATTERN "*.h" PATTERN "*.txt"
    PATTERN "*.md")
get_property(dvk_example_plugins GLOBAL PROPERTY DVK_EXAMPLE_PLUGINS)
foreach(plugin IN LISTS dvk_example_plugins)
    # The caller speaks; it comes in a package of its own with its voice.
    if(plugin STREQUAL "dvk_caller_plugin")
        set(component caller)
    else()
        set(component dev)
    endif()
    install(TARGETS ${plugin} LIBRARY DESTINATION ${DVK_INSTALL_PLUGINDIR}
        COMPONENT ${component})
endforeach()

include(cmake/DebianPackages.cmake)
