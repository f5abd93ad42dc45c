# The Debian packages CPack makes from the install components (scripts/package.sh):
#   dvk         the program, its guide and manual pages (component player)
#   dvk-caller  the caller plug-in, which brings the Flite voice it speaks with (caller)
#   dvk-dev     the plug-in header and the example plug-ins (dev)
# Each has its copyright file and changelog in /usr/share/doc/<package>/, as Debian wants.
# Shared-library dependencies come from dpkg-shlibdeps.

# The changelog's date: the release date, at noon UTC, in the form of the Debian changelog.
set(dvk_weekdays Sun Mon Tue Wed Thu Fri Sat)
set(dvk_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" dvk_date_parts "${DVK_RELEASE_DATE}")
set(dvk_year ${CMAKE_MATCH_1})
math(EXPR dvk_month_index "${CMAKE_MATCH_2} - 1")
set(dvk_day ${CMAKE_MATCH_3})
list(GET dvk_months ${dvk_month_index} dvk_month)
# Zeller's congruence gives the weekday, so the date needs no tool of the build machine.
math(EXPR dvk_m "${CMAKE_MATCH_2} + 0")
math(EXPR dvk_y "${dvk_year}")
if(dvk_m LESS 3)
    math(EXPR dvk_m "${dvk_m} + 12")
    math(EXPR dvk_y "${dvk_y} - 1")
endif()
math(EXPR dvk_weekday_index
    "(${dvk_day} + (13 * (${dvk_m} + 1)) / 5 + ${dvk_y} % 100 + (${dvk_y} % 100) / 4 + (${dvk_y} / 100) / 4 + 5 * (${dvk_y} / 100) + 6) % 7")
list(GET dvk_weekdays ${dvk_weekday_index} dvk_weekday)
set(DVK_CHANGELOG_DATE "${dvk_weekday}, ${dvk_day} ${dvk_month} ${dvk_year} 12:00:00 +0000")

set(dvk_debian_docs ${dvk_generated}/debian)
configure_file(cmake/debian/copyright ${dvk_debian_docs}/copyright @ONLY)
configure_file(cmake/debian/changelog ${dvk_debian_docs}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${dvk_debian_docs}/changelog.Debian.gz
    COMMAND ${DVK_GZIP} -9 -n -f -k ${dvk_debian_docs}/changelog.Debian
    DEPENDS ${dvk_debian_docs}/changelog.Debian
    COMMENT "Compressing the Debian changelog" VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${dvk_debian_docs}/changelog.Debian.gz)

set(dvk_packages dvk dvk-caller dvk-dev)
set(dvk_components player caller dev)
foreach(package component IN ZIP_LISTS dvk_packages dvk_components)
    install(FILES ${dvk_debian_docs}/copyright ${dvk_debian_docs}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dvk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DVK_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL player dev)
if(TARGET dvk_caller_plugin)
    list(APPEND CPACK_COMPONENTS_ALL caller)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
string(REGEX REPLACE "^.*-" "" CPACK_DEBIAN_PACKAGE_RELEASE "${DVK_DEBIAN_VERSION}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DVK_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(dvk_exact_version "${DVK_DEBIAN_VERSION}")

# Descriptions: each package's synopsis, then lines of at most 80 characters.
set(CPACK_DEBIAN_PLAYER_PACKAGE_NAME dvk)
set(CPACK_DEBIAN_PLAYER_PACKAGE_SECTION games)
set(CPACK_COMPONENT_PLAYER_DESCRIPTION "scorer for two-player count-down darts
dvk keeps the score of darts matches between two players counting down from
301, 501, 1001 or any start score: legs, sets, best-of games, round limits,
handicaps and schedules of games, with a computer opponent of twelve levels,
check-out suggestions, player statistics, a game history, CSV files and
recovery of an interrupted game.")
# Qt draws on X11 through its platform plug-in, which is not a library dvk links.
set(CPACK_DEBIAN_PLAYER_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The fonts, Qt's own translations and the opener of the user's guide.
set(CPACK_DEBIAN_PLAYER_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PLAYER_PACKAGE_SUGGESTS "dvk-caller")

set(CPACK_DEBIAN_CALLER_PACKAGE_NAME dvk-caller)
set(CPACK_DEBIAN_CALLER_PACKAGE_SECTION games)
set(CPACK_COMPONENT_CALLER_DESCRIPTION "darts caller plug-in for dvk
A plug-in for the dvk darts scorer that calls the game aloud: the points of
every visit, the score left of a player on a finish, the game shot and the
result of a set. It speaks with the Flite voice, offline.")
# The plug-in is built against this very program; Flite is the voice it speaks with.
set(CPACK_DEBIAN_CALLER_PACKAGE_DEPENDS
    "dvk (= ${dvk_exact_version}), qt6-speech-flite-plugin")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME dvk-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_DEV_DESCRIPTION "plug-in interface of the dvk darts scorer
The C header for writing plug-ins for the dvk darts scorer, with the sources of
the example plug-ins (a minimal one in C and the caller in C++ with Qt) and the
minimal plug-in built, to start your own from.")
set(CPACK_DEBIAN_DEV_PACKAGE_RECOMMENDS "dvk (= ${dvk_exact_version})")
include(CPack)
