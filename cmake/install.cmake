# Where each file of the program goes on a desktop system. Every name below that carries the
# application id must match it exactly: the menu, the icon theme and the software catalogue find
# one another by it.
include(GNUInstallDirs)

install(TARGETS hourvault RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(hourvault_assets ${PROJECT_SOURCE_DIR}/assets)
install(FILES ${hourvault_assets}/${HOURVAULT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${hourvault_assets}/${HOURVAULT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
hourvault_assets(theme NAMES ICON_THEME)
foreach(icon IN LISTS theme)
    get_filename_component(size ${icon} NAME_WE)
    install(FILES ${hourvault_assets}/${icon}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
            RENAME ${HOURVAULT_APP_ID}.png)
endforeach()
install(FILES ${hourvault_assets}/icons/scalable.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${HOURVAULT_APP_ID}.svg)

# The manual page and the changelog are installed compressed, without a time stamp, so that
# two builds of the same source give the same files.
find_program(HOURVAULT_GZIP gzip REQUIRED)
set(hourvault_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(hourvault_man ${PROJECT_BINARY_DIR}/hourvault.1.gz)
set(hourvault_changelog ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
# The manual page names the version that project() sets, and the month of the build (of
# SOURCE_DATE_EPOCH where it is set, so that two builds of the same source agree).
string(TIMESTAMP HOURVAULT_BUILD_MONTH "%B %Y" UTC)
configure_file(${hourvault_packaging}/hourvault.1.in ${PROJECT_BINARY_DIR}/hourvault.1 @ONLY)
add_custom_command(OUTPUT ${hourvault_man}
    COMMAND ${HOURVAULT_GZIP} -9nc ${PROJECT_BINARY_DIR}/hourvault.1 > ${hourvault_man}
    DEPENDS ${PROJECT_BINARY_DIR}/hourvault.1 VERBATIM)
add_custom_command(OUTPUT ${hourvault_changelog}
    COMMAND ${HOURVAULT_GZIP} -9nc ${hourvault_packaging}/changelog > ${hourvault_changelog}
    DEPENDS ${hourvault_packaging}/changelog VERBATIM)
add_custom_target(hourvault_docs ALL DEPENDS ${hourvault_man} ${hourvault_changelog})

install(FILES ${hourvault_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(hourvault_docdir ${CMAKE_INSTALL_DATADIR}/doc/hourvault)
install(FILES ${hourvault_changelog} ${hourvault_packaging}/copyright
        DESTINATION ${hourvault_docdir})
