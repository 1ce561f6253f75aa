# What `cmake --install` and the Debian package put on a system: the program
# (also as `quillot`), its menu entry, its icon in every hicolor size and its
# AppStream description.
include(GNUInstallDirs)

set(QUILLOT_APP_ID org.quillot.Quillot)

install(TARGETS Project_quillot RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(CREATE_LINK Project_quillot ${CMAKE_CURRENT_BINARY_DIR}/quillot SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quillot DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES packaging/${QUILLOT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${QUILLOT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 64 128 256)
    install(FILES resources/icons/${size}x${size}/quillot.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUILLOT_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillot)
set(CPACK_PACKAGE_VENDOR "The Quillot team")
set(CPACK_PACKAGE_CONTACT "The Quillot team <team@quillot.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rename files in bulk inside one folder")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillot renames every file of a folder whose name contains a search text, replacing the first occurrence of that text. It lists the matching files first, then renames them, and never replaces an existing file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are drawn for a font with these metrics.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_STRIP_FILES ON)
include(CPack)
