# Each folder of src/ is a logic library (core_<folder>); its ui/ subfolder, when present,
# is the widget library (gui_<folder>). Sources are picked up by glob so adding a file
# needs no edit here.

function(kestrava_logic folder)
    file(GLOB sources CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
    add_library(core_${folder} STATIC ${sources})
    target_include_directories(core_${folder} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(core_${folder} PUBLIC Qt6::Core ${ARGN} PRIVATE kestrava_build_flags)
endfunction()

function(kestrava_widgets folder)
    file(GLOB sources CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/${folder}/ui/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/ui/*.h
         ${CMAKE_SOURCE_DIR}/src/${folder}/ui/*.ui)
    add_library(gui_${folder} STATIC ${sources})
    target_include_directories(gui_${folder} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(gui_${folder} PUBLIC Qt6::Widgets ${ARGN} PRIVATE kestrava_build_flags)
endfunction()

function(kestrava_app_library)
    file(GLOB sources CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/app/*.cpp ${CMAKE_SOURCE_DIR}/src/app/*.h
         ${CMAKE_SOURCE_DIR}/src/app/*.ui)
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
    add_library(gui_app STATIC ${sources})
    target_include_directories(gui_app PUBLIC ${CMAKE_SOURCE_DIR}/src)
    # Promoted widgets of the main window live in the concerns' ui/ folders.
    set_target_properties(gui_app PROPERTIES AUTOUIC_SEARCH_PATHS
        "${CMAKE_SOURCE_DIR}/src/search/ui;${CMAKE_SOURCE_DIR}/src/deck/ui;${CMAKE_SOURCE_DIR}/src/files/ui")
    # The version in a generated header rather than on every command line: a new version
    # rebuilds only the files that include app/Version.h.
    configure_file(${CMAKE_SOURCE_DIR}/src/app/Version.h.in
                   ${CMAKE_BINARY_DIR}/generated/app/Version.h @ONLY)
    target_include_directories(gui_app PUBLIC ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(gui_app PUBLIC Qt6::Widgets Qt6::PrintSupport gui_search gui_deck gui_files
                                         gui_sample core_share
                                  PRIVATE kestrava_build_flags)
    # Where the toolkit draws text with fontconfig, the program reads its configuration early.
    find_package(Fontconfig)
    if(Fontconfig_FOUND)
        target_link_libraries(gui_app PRIVATE Fontconfig::Fontconfig)
    endif()
    target_compile_definitions(gui_app PRIVATE KESTRAVA_FONTCONFIG=$<BOOL:${Fontconfig_FOUND}>)
endfunction()
