# SPDX-License-Identifier: MIT
# Installation and the Debian package.
include(GNUInstallDirs)

install(TARGETS tarvex tarvex-sim tarvex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/tarvex-launch DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for ../share/tarvex/Lang beside its own folder.
file(GLOB TARVEX_LANG_INSTALL ${CMAKE_SOURCE_DIR}/resources/Lang/Tarvex_lang.*)
install(FILES ${TARVEX_LANG_INSTALL} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvex/Lang)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tarvex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/art/icon_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tarvex.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/art/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tarvex.svg)

# Documentation as Debian wants it: the licence in the machine-readable
# format, the changelog and the manual pages compressed reproducibly.
set(TARVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarvex)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${TARVEX_DOC_DIR})
set(TARVEX_GZ_DIR ${CMAKE_BINARY_DIR}/packaging)
set(TARVEX_MAN_PAGES tarvex tarvex-sim tarvex-launch tarvex-cli)
set(TARVEX_GZ_FILES ${TARVEX_GZ_DIR}/changelog.gz)
foreach(page ${TARVEX_MAN_PAGES})
    list(APPEND TARVEX_GZ_FILES ${TARVEX_GZ_DIR}/${page}.1.gz)
endforeach()
set(TARVEX_DOC_SOURCES ${CMAKE_SOURCE_DIR}/packaging/changelog)
foreach(page ${TARVEX_MAN_PAGES})
    list(APPEND TARVEX_DOC_SOURCES ${CMAKE_SOURCE_DIR}/packaging/man/${page}.1)
endforeach()
add_custom_command(
    OUTPUT ${TARVEX_GZ_FILES}
    COMMAND sh ${CMAKE_SOURCE_DIR}/packaging/gzip-docs.sh ${CMAKE_SOURCE_DIR} ${TARVEX_GZ_DIR}
            ${TARVEX_MAN_PAGES}
    DEPENDS ${TARVEX_DOC_SOURCES} ${CMAKE_SOURCE_DIR}/packaging/gzip-docs.sh
    VERBATIM)
add_custom_target(packaging_docs ALL DEPENDS ${TARVEX_GZ_FILES})
install(FILES ${TARVEX_GZ_DIR}/changelog.gz DESTINATION ${TARVEX_DOC_DIR})
foreach(page ${TARVEX_MAN_PAGES})
    install(FILES ${TARVEX_GZ_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tarvex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME invalid.tarvex.Tarvex.metainfo.xml)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tarvex-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tarvex.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarvex developers <dev@tarvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Diagnostic and configuration tool for an LPG autogas controller")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvex connects a PC to an autogas (LPG) controller over its RS-232
programming lead. The fitter watches the live readings on a dashboard, starts
the controller's learning run, reads and changes every setting, saves the
settings to a file and loads them back, restores the factory settings, reads
the firmware version, watches five signals on an oscilloscope with a value
cursor and looks at the wiring diagram, in Polish, English, Russian,
Lithuanian or Italian.
.
The package also holds tarvex-cli, which reads, writes and compares the
settings and records the readings from the command line, and tarvex-sim, a
simulated controller on a pseudo-terminal, for trying the program without a
car.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-user-dirs")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
