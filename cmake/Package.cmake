# The Debian package, made from the install rules: `cpack -G DEB` in a release build folder.
set(CPACK_PACKAGE_NAME zorvel)
set(CPACK_PACKAGE_VENDOR "ZorVel developers")
set(CPACK_PACKAGE_CONTACT "ZorVel developers <zorvel@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ZORVEL_HOMEPAGE_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "animated board game of bracketing and turning stones")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zorblin Veltor is a small board game on an 8 x 8 board, for one player against\n"
    "the computer or two players sharing the mouse. Every stone that is placed or\n"
    "turned over plays a short animation with a click. Its messages and help are in\n"
    "Japanese."
)
set(CPACK_GENERATOR DEB)
# cpack installs for the prefix /usr into its staging folder, given as DESTDIR, so that the paths
# written into the command and the menu entry are the final ones.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/open_package_folders.cmake)
# The same source makes the same package, whenever and by whomever it is made.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package_date.cmake)
set(CPACK_ZORVEL_SOURCE_DATE_FILE ${ZORVEL_SOURCE_DATE_FILE})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program and its sound module link come from dpkg-shlibdeps; with them come Qt's
# X11 platform plugin (libqt6gui6) and the sound server's client library (libpulse0). Added by
# hand, as they are used only at run time: the CHM reader behind Help, the Japanese font of every
# window, and a sound server for the clicks.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libchm1, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")

include(CPack)
