# Installation, in the layout Debian gives its games (paths under the prefix):
#
#   games/zorvel                     the command: starts the program in share/games/zorvel
#   lib/games/zorvel/zorvel, .chm    the program, with its help file beside it, and
#   lib/games/zorvel/libzorvel_sound.so   its sound output, which it loads once its window is
#                                    painted
#   share/games/zorvel/              ZorPatn.bmp, ZorPatn@2x.bmp, ZorTurn0.wav, ZorTurn1.wav,
#                                    loaded by bare name
#   share/applications/<id>.desktop  the menu entry, which runs the command in share/games/zorvel
#   share/icons/hicolor/<n>x<n>/apps/zorvel.png
#   share/metainfo/<id>.metainfo.xml
#   share/man/man6/zorvel.6.gz       the manual page of the command
#   share/doc/zorvel/                copyright (machine-readable) and changelog.gz
#
# The program is private to the package (only the command starts it), so it goes to a folder of
# its own under lib/games rather than to the multiarch library folder: its one library is a module
# of the program's own, which the dynamic linker's cache has no business knowing (a module under
# lib/zorvel would have cpack add maintainer scripts that run ldconfig). The layout stays the same
# whatever prefix the build was configured with. The Debian package is made by cpack from the same
# rules (cmake/Package.cmake).
include(GNUInstallDirs)

# No site hosts the game yet: the address lies in a domain reserved for examples, so a software
# centre shows nothing rather than someone else's page. Whoever publishes the game sets the real
# one, where docs/screenshot.png is served as screenshot.png.
set(ZORVEL_HOMEPAGE_URL "https://zorvel.example.org" CACHE STRING
    "Web site of the game, named by the package and the AppStream metainfo")
set(ZORVEL_INSTALL_COMMAND_DIR games)
set(ZORVEL_INSTALL_PROGRAM_DIR lib/games/zorvel)
set(ZORVEL_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/zorvel)
set(ZORVEL_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/zorvel)

# Qt's project set-up gives installed programs a run path for libraries of their own; the game has
# none, and its Qt comes from the system.
set_target_properties(zorvel zorvel_sound PROPERTIES INSTALL_RPATH "")
install(TARGETS zorvel RUNTIME DESTINATION ${ZORVEL_INSTALL_PROGRAM_DIR})
install(TARGETS zorvel_sound LIBRARY DESTINATION ${ZORVEL_INSTALL_PROGRAM_DIR})
if(TARGET zorvel_help_file)
    get_target_property(help_file zorvel_help_file ZORVEL_HELP_FILE)
    install(FILES ${help_file} DESTINATION ${ZORVEL_INSTALL_PROGRAM_DIR})
endif()

get_target_property(game_files zorvel_artwork ZORVEL_GAME_FILES)
install(FILES ${game_files} DESTINATION ${ZORVEL_INSTALL_DATA_DIR})

get_target_property(icon_dir zorvel_artwork ZORVEL_ICON_DIR)
get_target_property(icon_sizes zorvel_artwork ZORVEL_ICON_SIZES)
foreach(size IN LISTS icon_sizes)
    install(FILES ${icon_dir}/zorvel-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME zorvel.png
    )
endforeach()

set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(metainfo ${CMAKE_BINARY_DIR}/packaging/${ZORVEL_APP_ID}.metainfo.xml)
configure_file(${packaging_dir}/zorvel.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright file names the home page; the changelog is kept compressed without a time stamp,
# as Debian has it.
set(copyright ${CMAKE_BINARY_DIR}/packaging/copyright)
configure_file(${packaging_dir}/copyright ${copyright} @ONLY)
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
execute_process(COMMAND gzip -9 --no-name --stdout ${packaging_dir}/changelog
    OUTPUT_FILE ${changelog} COMMAND_ERROR_IS_FATAL ANY
)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging_dir}/changelog)
install(FILES ${copyright} ${changelog} DESTINATION ${ZORVEL_INSTALL_DOC_DIR})

# The command, the menu entry and the manual page name the program and the data folder by their
# absolute paths, which are known only when installing.
configure_file(${CMAKE_CURRENT_LIST_DIR}/install_entry_points.cmake.in
    ${CMAKE_BINARY_DIR}/packaging/install_entry_points.cmake @ONLY
)
install(SCRIPT ${CMAKE_BINARY_DIR}/packaging/install_entry_points.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
