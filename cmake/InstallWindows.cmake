# Installation on Windows: one folder that runs from wherever it lies, as the zip and the installer
# carry it (scripts/package-windows):
#
#   zorvel.exe, zorvel.chm               the program, with its help file beside it
#   ZorPatn.bmp, ZorPatn@2x.bmp,         loaded by bare name from the folder the game runs in, which
#   ZorTurn0.wav, ZorTurn1.wav           the Start-menu entry makes the program's own
#   Qt6Core.dll, Qt6Gui.dll,             Qt, as libraries of their own that a user may replace
#   Qt6Widgets.dll, platforms/, styles/
#   libstdc++-6.dll, libgcc_s_seh-1.dll, the compiler's runtime
#   libwinpthread-1.dll
#   licenses/                            the game's licence, Qt's and the runtime's, and where
#                                        Qt's source is to be had
install(TARGETS zorvel RUNTIME DESTINATION .)
if(TARGET zorvel_help_file)
    get_target_property(help_file zorvel_help_file ZORVEL_HELP_FILE)
    install(FILES ${help_file} DESTINATION .)
endif()
get_target_property(game_files zorvel_artwork ZORVEL_GAME_FILES)
install(FILES ${game_files} DESTINATION .)

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

set(runtime_libraries)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    file(REAL_PATH ${path} path)
    list(APPEND runtime_libraries ${path})
endforeach()
install(FILES ${runtime_libraries} DESTINATION .)
# The runtime's libraries come stripped of nothing; Qt's come stripped from their build.
install(CODE [[
    foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND x86_64-w64-mingw32-strip --strip-unneeded
            "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${library}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
]])

# The licences: the game's, Qt's LGPL (which builds on the GPL) with the notices of the code Qt
# carries, the compiler runtime's, and the offer of Qt's source.
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(licenses ${CMAKE_BINARY_DIR}/packaging/licenses)
configure_file(${packaging_dir}/copyright ${licenses}/zorvel.txt @ONLY)
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
file(READ ${qt_prefix}/source/version ZORVEL_QT_SOURCE)
string(STRIP "${ZORVEL_QT_SOURCE}" ZORVEL_QT_SOURCE)
configure_file(${packaging_dir}/windows/qt-source.txt.in ${licenses}/qt-source.txt @ONLY)
configure_file(${qt_prefix}/LGPL-3.0-only.txt ${licenses}/qt-lgpl-3.0.txt COPYONLY)
configure_file(${qt_prefix}/GPL-3.0-only.txt ${licenses}/qt-gpl-3.0.txt COPYONLY)
configure_file(${qt_prefix}/source/copyright ${licenses}/qt-third-party-notices.txt COPYONLY)
configure_file(/usr/share/doc/gcc-mingw-w64-base/copyright ${licenses}/mingw-gcc-runtime.txt COPYONLY)
configure_file(/usr/share/doc/mingw-w64-common/copyright ${licenses}/mingw-w64-winpthreads.txt
    COPYONLY)
install(DIRECTORY ${licenses}/ DESTINATION licenses)
