# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the -posix compilers, whose
# C++ runtime has std::thread and std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTRAVA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTRAVA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRAVA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRAVA_MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW root and the prefixes given on the command line;
# programs (moc, uic, rcc) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KESTRAVA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Qt built for MinGW (scripts/windows-deps.sh), searched like the MinGW root.
if(KESTRAVA_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${KESTRAVA_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${KESTRAVA_WINDOWS_QT})
endif()
