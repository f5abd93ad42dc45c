# Runs `dvk /SHORTCUT` with a home folder of its own: it must write the desktop launcher and end.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/Desktop)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK} XDG_CONFIG_HOME=${WORK}/config
            XDG_DESKTOP_DIR=${WORK}/Desktop QT_QPA_PLATFORM=offscreen ${DVK} /SHORTCUT
    RESULT_VARIABLE result TIMEOUT 30)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dvk /SHORTCUT ended with ${result}")
endif()
if(NOT EXISTS ${WORK}/Desktop/dvk.desktop)
    message(FATAL_ERROR "no launcher was written")
endif()
file(READ ${WORK}/Desktop/dvk.desktop launcher)
if(NOT launcher MATCHES "Exec=")
    message(FATAL_ERROR "the launcher names no program: ${launcher}")
endif()
