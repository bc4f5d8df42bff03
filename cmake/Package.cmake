# The Debian package (make package): everything the install rules put in place, under /usr.
# Library dependencies come from dpkg-shlibdeps; the Japanese fonts the windows ask for are
# named by hand, since nothing links them.

# What Debian asks of every package: the licence as a machine-readable copyright file, a
# changelog, a manual page, and the reason for each lintian tag it accepts (in the overrides
# file). gzip -n leaves out the name and time stamp, so every build gives the same bytes.
find_program(KESTRAVA_GZIP gzip REQUIRED)
function(kestrava_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${KESTRAVA_GZIP} -9nc ${source} > ${output}
        DEPENDS ${source} VERBATIM)
endfunction()
set(KESTRAVA_PACKAGING ${CMAKE_BINARY_DIR}/packaging)

# The copyright file takes its holder and its licence text from LICENSE, so the two agree.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" holder "${licence}")
string(FIND "${licence}" "Permission is hereby granted" start)
if(NOT holder OR start EQUAL -1)
    message(FATAL_ERROR "LICENSE holds no copyright line or no MIT permission notice")
endif()
set(KESTRAVA_COPYRIGHT "${CMAKE_MATCH_1}")
string(SUBSTRING "${licence}" ${start} -1 licence)
string(STRIP "${licence}" licence)
# Continuation lines start with a blank; an empty line is written as " .".
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
set(KESTRAVA_LICENSE_TEXT " ${licence}")
configure_file(packaging/copyright.in ${KESTRAVA_PACKAGING}/copyright @ONLY)

configure_file(packaging/brelvik.1.in ${KESTRAVA_PACKAGING}/brelvik.1 @ONLY)
kestrava_gzip(${KESTRAVA_PACKAGING}/brelvik.1 ${KESTRAVA_PACKAGING}/brelvik.1.gz)
kestrava_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog ${KESTRAVA_PACKAGING}/changelog.gz)
add_custom_target(brelvik_documents ALL
    DEPENDS ${KESTRAVA_PACKAGING}/brelvik.1.gz ${KESTRAVA_PACKAGING}/changelog.gz)

install(FILES ${KESTRAVA_PACKAGING}/brelvik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KESTRAVA_PACKAGING}/copyright ${KESTRAVA_PACKAGING}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME brelvik)

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
# Not "games": it is a tool for a card game played at the table, not a game itself (Debian
# keeps that section for what installs into /usr/games), and not a system tool ("utils").
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)

include(CPack)
