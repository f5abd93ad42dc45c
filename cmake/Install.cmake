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

# Manual pages, English and Japanese, compressed as Debian has them.
find_program(DVK_GZIP gzip REQUIRED)
set(dvk_man_pages)
foreach(page dvk dvk.ja)
    set(DVK_GUIDE_PATH ${CMAKE_INSTALL_FULL_DATADIR}/dvk/guide/en/index.html)
    set(DVK_GUIDE_JA_PATH ${CMAKE_INSTALL_FULL_DATADIR}/dvk/guide/ja/index.html)
    configure_file(resources/man/${page}.1.in ${dvk_generated}/man/${page}.1 @ONLY)
    add_custom_command(
        OUTPUT ${dvk_generated}/man/${page}.1.gz
        COMMAND ${DVK_GZIP} -9 -n -k -f ${dvk_generated}/man/${page}.1
        DEPENDS ${dvk_generated}/man/${page}.1
        VERBATIM)
    list(APPEND dvk_man_pages ${dvk_generated}/man/${page}.1.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${dvk_man_pages})
install(FILES ${dvk_generated}/man/dvk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dvk_generated}/man/dvk.ja.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1
    RENAME dvk.1.gz)

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
include(CPack)
