# The Debian package: `cpack -G DEB` in the build folder writes zindle_<version>_<arch>.deb with
# everything `cmake --install` puts under the prefix, below /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zindle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zindle developers")
set(CPACK_PACKAGE_CONTACT "The Zindle developers <zindle@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design, analyse, simulate and race spring-powered model cars")
# The summary above is the first line; CPack indents these and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Zindle is a desktop program with which students design, analyse, simulate,
race and then build small spring-powered model cars made of laminated foam
board. It prints full-size cutting templates of every layer and wheel.

The command zindle-cli does the same computations and printing without a
window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link, found by dpkg-shlibdeps. Qt's platform plugins (the window
# and the command line's offscreen printing) come with libqt6gui6 on Debian.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help pages open in the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
