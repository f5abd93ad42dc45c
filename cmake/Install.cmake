# What `cmake --install` puts where (the usual places of a Linux desktop program under the
# prefix), and the Debian package made from it by CPack (scripts/package.sh).
set(DVK_RELEASE_DATE "2026-12-08")
set(DVK_PACKAGE_MAINTAINER "dvk maintainers <maintainers@dvk.invalid>"
    CACHE STRING "Maintainer named in the Debian package")
set(dvk_generated ${PROJECT_BINARY_DIR}/install)
set(dvk_guide_destination ${CMAKE_INSTALL_DATADIR}/dvk/guide)

install(TARGETS dvk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Launcher and AppStream metadata.
configure_file(resources/desktop/dvk.desktop.in ${dvk_generated}/${DVK_APP_ID}.desktop @ONLY)
configure_file(resources/desktop/dvk.metainfo.xml.in
    ${dvk_generated}/${DVK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${dvk_generated}/${DVK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dvk_generated}/${DVK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons: the rendered sizes and the drawing itself.
foreach(size IN LISTS DVK_ICON_SIZES)
    install(FILES ${PROJECT_BINARY_DIR}/icons/dvk_${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${DVK_APP_ID}.png)
endforeach()
install(FILES ${DVK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${DVK_APP_ID}.svg)

# Manual pages, English and Japanese, compressed as Debian has them. They name the guide's
# place under the prefix actually installed to, so they are made at install time.
find_program(DVK_GZIP gzip REQUIRED)
install(CODE "
    set(DVK_MAN_SOURCE_DIR \"${PROJECT_SOURCE_DIR}/resources/man\")
    set(DVK_MAN_WORK_DIR \"${dvk_generated}/man\")
    set(DVK_GZIP \"${DVK_GZIP}\")
    set(DVK_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    set(DVK_MANDIR \"${CMAKE_INSTALL_MANDIR}\")
    set(DVK_RELEASE_DATE \"${DVK_RELEASE_DATE}\")
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")")
install(SCRIPT cmake/InstallManPages.cmake)

# The user's guide, with its pictures.
install(DIRECTORY ${DVK_GUIDE_DIR}/ DESTINATION ${dvk_guide_destination})

# The plug-in interface: the public header and the example plug-ins' sources, when the
# source tree has them, and the example plug-ins built (dvk_install_example_plugin).
install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} OPTIONAL
    FILES_MATCHING PATTERN "*.h")
install(DIRECTORY examples/plugins/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples/plugins
    OPTIONAL FILES_MATCHING PATTERN "*.c" PATTERN "*.cpp" PATTERN "*.h" PATTERN "*.txt"
    PATTERN "*.md")
get_property(dvk_example_plugins GLOBAL PROPERTY DVK_EXAMPLE_PLUGINS)
if(dvk_example_plugins)
    install(TARGETS ${dvk_example_plugins}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/dvk/plugins
        RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR}/dvk/plugins)
endif()

# The Debian package. Its dependencies on shared libraries come from dpkg-shlibdeps; the
# fonts, Qt's own translations and the opener of the user's guide are recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dvk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DVK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scorer for two-player count-down darts")
set(CPACK_PACKAGE_DESCRIPTION
    "dvk keeps the score of darts matches between two players counting down from 301, 501,
1001 or any start score: legs, sets, best-of games, round limits, handicaps and
schedules of games, with a computer opponent of twelve levels, check-out suggestions,
player statistics, a game history, CSV files and recovery of an interrupted game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n, xdg-utils")
# The caller plug-in speaks through Qt's speech engines; Flite is the offline one it prefers.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-speech-flite-plugin")
include(CPack)
