# The Debian package (make package): everything the install rules put in place, under /usr.
# Library dependencies come from dpkg-shlibdeps; the Japanese fonts the windows ask for are
# named by hand, since nothing links them.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brelvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestrava Deck Builder team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "deck builder for the Kestrava card game")
set(CPACK_PACKAGE_DESCRIPTION "\
Kestrava Deck Builder reads the card list of the Kestrava trading card game,
filters and shows its cards, builds a deck with running statistics and saves it
as a .dek file, an HTML page or clipboard text. Japanese user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestrava Deck Builder team <brelvik@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)

include(CPack)
