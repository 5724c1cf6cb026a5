# A Debian package of the programs with what the desktop needs (menu entry,
# icons, the setting files' MIME type, AppStream metadata, manual pages):
# `cmake --build --preset default --target package`. It needs no maintainer
# scripts: the file triggers of shared-mime-info, desktop-file-utils and
# man-db refresh their databases when it is installed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Velmar")
# A placeholder address until the project has a public home.
set(CPACK_PACKAGE_CONTACT "Velmar developers <velmar@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming tool for UHF PMR/LPD hand-held radios")
# Lines of at most 80 characters, as Debian's tools read them.
set(CPACK_PACKAGE_DESCRIPTION
    "Velmar fills in the channel groups, channel spacing and options of a UHF\n hand-held radio and writes them to the radio over its serial programming\n cable. Settings are kept in .velmar files that the file manager opens in\n Velmar. velmar-send sends a setting file to one or more radios from the\n command line. velmar-radio plays the radio's end of the line on a\n pseudo-terminal, to try Velmar without a radio.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialog's font stand-in and the channel card's font; Qt's libraries come in through shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, fonts-dejavu-core")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmar)
set(CPACK_STRIP_FILES ON)
# What Debian asks of every package: the copyright and licence, and the changelog (a native package's).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmar)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
                   COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
                   DEPENDS ${CMAKE_BINARY_DIR}/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
# Made with the program, so that building the program alone (--target velmar) installs whole.
if(TARGET velmar)
    add_dependencies(velmar debian_changelog)
endif()
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmar)

include(CPack)
