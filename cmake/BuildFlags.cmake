# How every target of ours is compiled and linked: warnings always, and per build the
# sanitizers or the fuzzer's coverage hooks. Each target links
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
        kestrava_check_build_flags(${subdirectory})
    endforeach()
endfunction()
