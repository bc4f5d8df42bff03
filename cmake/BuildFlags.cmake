# How every target of ours is compiled and linked: warnings always, and per build the
# sanitizers, the fuzzer's coverage hooks or Debian's hardening. Each target links
# kestrava_build_flags itself (kestrava_use_build_flags); libraries from elsewhere (Qt, Google
# Test) are left as they are. kestrava_check_build_flags() fails the configure step for a
# target of ours that does not link it.

add_library(kestrava_build_flags INTERFACE)
target_compile_options(kestrava_build_flags INTERFACE -Wall -Wextra -Wpedantic)

if(KESTRAVA_SANITIZE)
    target_compile_options(kestrava_build_flags INTERFACE -fsanitize=address,undefined
        -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(kestrava_build_flags INTERFACE -fsanitize=address,undefined)
endif()

if(KESTRAVA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The fuzz targets need clang (cmake --preset fuzz)")
    endif()
    # Coverage hooks, sanitizers and the containers' own index checks (an index past the end
    # can still be inside the allocation) in every library the fuzz targets link.
    target_compile_options(kestrava_build_flags INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined -UNDEBUG -UQT_NO_DEBUG -D_GLIBCXX_ASSERTIONS)
    target_link_options(kestrava_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# The flags Debian builds its packages with, all hardening features on (bind-now is not among
# the defaults); PIE is the compiler's default there.
if(KESTRAVA_HARDENING)
    if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
        message(FATAL_ERROR "KESTRAVA_HARDENING needs an optimised build: _FORTIFY_SOURCE "
                            "does nothing without optimisation")
    endif()
    find_program(KESTRAVA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # Run from the source folder, whose path the file prefix map then leaves out.
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${KESTRAVA_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # Optimisation and debug information are the build type's to choose.
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g[0-9]*)$")
        set(hardening_${kind} ${flags})
    endforeach()
    foreach(needed -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wl,-z,relro -Wl,-z,now)
        if(NOT needed IN_LIST hardening_CPPFLAGS AND NOT needed IN_LIST hardening_CXXFLAGS
           AND NOT needed IN_LIST hardening_LDFLAGS)
            message(FATAL_ERROR "dpkg-buildflags gives no ${needed}")
        endif()
    endforeach()
    string(JOIN " " shown ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS})
    message(STATUS "Hardening: ${shown}")
    target_compile_options(kestrava_build_flags INTERFACE ${hardening_CPPFLAGS}
                                                          ${hardening_CXXFLAGS})
    target_link_options(kestrava_build_flags INTERFACE ${hardening_LDFLAGS})
endif()

function(kestrava_use_build_flags)
    foreach(target ${ARGN})
        target_link_libraries(${target} PRIVATE kestrava_build_flags)
    endforeach()
endfunction()

function(kestrava_check_build_flags directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(STATIC|SHARED|MODULE|OBJECT)_LIBRARY$|^EXECUTABLE$")
            get_target_property(libraries ${target} LINK_LIBRARIES)
            if(NOT kestrava_build_flags IN_LIST libraries)
                message(FATAL_ERROR "${target} does not link kestrava_build_flags")
            endif()
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
        # Libraries built from source elsewhere (Google Test in a cross build) are theirs.
        if(NOT subdirectory MATCHES "^${CMAKE_SOURCE_DIR}/")
            continue()
        endif()
        kestrava_check_build_flags(${subdirectory})
    endforeach()
endfunction()
