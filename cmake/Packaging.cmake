# A Debian package of the programs with what the desktop needs (menu entry,
# icons, the setting files' MIME type, AppStream metadata, manual pages):
# `cmake --build --preset default --target package`. It needs no maintainer
# scripts: the file triggers of shared-mime-info, desktop-file-utils and
# man-db refresh their databases when it is installed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Velmar")
set(CPACK_PACKAGE_CONTACT "Velmar developers <velmar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming tool for UHF PMR/LPD hand-held radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmar fills in the channel groups, channel spacing and options of a UHF hand-held radio\n and writes them to the radio over its serial programming cable. Settings are kept in\n .velmar files that the file manager opens in Velmar. velmar-send sends a setting file to\n one or more radios from the command line. velmar-radio plays the radio's end of the line\n on a pseudo-terminal, to try Velmar without a radio.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialog's font stand-in; Qt's libraries come in through shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmar)
set(CPACK_STRIP_FILES ON)
include(CPack)
