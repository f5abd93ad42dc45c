# Install-time script (see Install.cmake): fills in the manual pages for the prefix being
# installed to, compresses them and installs them (DESTDIR is honoured by file(INSTALL)).
if(IS_ABSOLUTE "${DVK_DATADIR}")
    set(datadir "${DVK_DATADIR}")
else()
    set(datadir "${CMAKE_INSTALL_PREFIX}/${DVK_DATADIR}")
endif()
if(IS_ABSOLUTE "${DVK_MANDIR}")
    set(mandir "${DVK_MANDIR}")
else()
    set(mandir "${CMAKE_INSTALL_PREFIX}/${DVK_MANDIR}")
endif()
set(DVK_GUIDE_PATH "${datadir}/dvk/guide/en/index.html")
set(DVK_GUIDE_JA_PATH "${datadir}/dvk/guide/ja/index.html")

foreach(page dvk dvk.ja)
    configure_file(${DVK_MAN_SOURCE_DIR}/${page}.6.in ${DVK_MAN_WORK_DIR}/${page}.6 @ONLY)
    execute_process(COMMAND ${DVK_GZIP} -9 -n -c ${DVK_MAN_WORK_DIR}/${page}.6
        OUTPUT_FILE ${DVK_MAN_WORK_DIR}/${page}.6.gz RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip failed on the manual page ${page}.6")
    endif()
endforeach()
file(INSTALL DESTINATION "${mandir}/man6" TYPE FILE FILES "${DVK_MAN_WORK_DIR}/dvk.6.gz")
file(INSTALL DESTINATION "${mandir}/ja/man6" TYPE FILE RENAME dvk.6.gz
    FILES "${DVK_MAN_WORK_DIR}/dvk.ja.6.gz")
