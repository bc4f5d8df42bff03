# Installed as a folder holding the program and its card list, linked into bin/, with a
# desktop entry and an icon for the desktop's menu, and the deck file's type for file managers.
# The manual page, copyright file and changelog are installed by cmake/Package.cmake.
include(GNUInstallDirs)
set(KESTRAVA_APP_DIR ${CMAKE_INSTALL_LIBDIR}/brelvik)
install(TARGETS brelvik RUNTIME DESTINATION ${KESTRAVA_APP_DIR})
if(KESTRAVA_CHARTS)
    install(TARGETS brelvik_costchart LIBRARY DESTINATION ${KESTRAVA_APP_DIR}/plugins)
endif()
install(FILES data/kestrava.csv DESTINATION ${KESTRAVA_APP_DIR})
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ../${KESTRAVA_APP_DIR}/brelvik
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/brelvik\" SYMBOLIC)")
install(FILES packaging/brelvik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/brelvik.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES packaging/brelvik-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME brelvik.xml)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
