# The Windows build's runtime: the DLLs the program needs beside it, found once here, used to
# run the tests under Wine and installed with the program into the folder that is zipped
# (make windows).

# The MinGW runtime, from the compiler that built the program.
set(KESTRAVA_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW runtime has no ${dll}")
    endif()
    list(APPEND KESTRAVA_MINGW_RUNTIME ${found})
endforeach()

set(qt_bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})

# Wine finds the DLLs through WINEPATH: Qt's and the runtime's folders, as Windows paths on
# the drive that maps the root.
set(wine_folders ${qt_bin})
foreach(dll ${KESTRAVA_MINGW_RUNTIME})
    get_filename_component(folder ${dll} DIRECTORY)
    list(APPEND wine_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES wine_folders)
list(TRANSFORM wine_folders PREPEND "Z:")
string(REPLACE "/" "\\" wine_path "${wine_folders}")
string(REPLACE ";" "\\;" wine_path "${wine_path}")
set(KESTRAVA_WINE_PATH "${wine_path}")

# The icon and version Explorer shows for brelvik.exe.
configure_file(packaging/windows/brelvik.rc.in ${CMAKE_BINARY_DIR}/brelvik.rc @ONLY)
target_sources(brelvik PRIVATE ${CMAKE_BINARY_DIR}/brelvik.rc)

# The program's folder: brelvik.exe, its card list, Qt's DLLs and the plugins it loads (the
# platform, the native style, and the image formats a deck picture may come in).
install(TARGETS brelvik RUNTIME DESTINATION .)
install(FILES data/kestrava.csv DESTINATION .)
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll
              ${qt_bin}/Qt6PrintSupport.dll ${KESTRAVA_MINGW_RUNTIME}
        DESTINATION .)
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${qt_plugins}/imageformats/qjpeg.dll ${qt_plugins}/imageformats/qgif.dll
              ${qt_plugins}/imageformats/qico.dll
        DESTINATION imageformats)
if(KESTRAVA_CHARTS)
    install(FILES ${qt_bin}/Qt6Charts.dll ${qt_bin}/Qt6OpenGL.dll ${qt_bin}/Qt6OpenGLWidgets.dll
            DESTINATION .)
    install(TARGETS brelvik_costchart LIBRARY DESTINATION plugins RUNTIME DESTINATION plugins)
endif()
install(FILES LICENSE packaging/windows/README.txt DESTINATION .)

# make windows: the folder as installed, and the zip of it.
set(KESTRAVA_ZIP brelvik-${PROJECT_VERSION}-windows-x64.zip)
add_custom_target(windows_zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf brelvik ${KESTRAVA_ZIP}
    COMMAND ${CMAKE_COMMAND} --install . --prefix brelvik
    # Without their symbols the DLLs are a third of their size.
    COMMAND sh -c "${CMAKE_STRIP} --strip-unneeded brelvik/*.exe brelvik/*.dll brelvik/*/*.dll"
    COMMAND ${CMAKE_COMMAND} -E tar cf ${KESTRAVA_ZIP} --format=zip brelvik
    COMMAND ${CMAKE_COMMAND} -E echo "Windows program: ${CMAKE_BINARY_DIR}/brelvik, zipped as ${CMAKE_BINARY_DIR}/${KESTRAVA_ZIP}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS brelvik
    VERBATIM)
