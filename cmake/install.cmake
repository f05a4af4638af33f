# Installation and the Debian package.
include(GNUInstallDirs)

install(TARGETS tarvex tarvex-sim tarvex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/tarvex-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarvex developers <dev@tarvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Diagnostic and configuration tool for an LPG autogas controller")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
