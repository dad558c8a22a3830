# Installation on a desktop: the program, its shipped data, and what lets a file manager
# start it and open songs with it (menu entry, icon, song file type).
include(GNUInstallDirs)

install(TARGETS trovale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The shipped catalogue and factory files; a user's first start copies them to the
# per-user folder, where the program keeps its own.
set(TROVALE_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/trovale)
foreach(arquivo ${TROVALE_SHIPPED_TYPES} ${TROVALE_SHIPPED_FINGERINGS})
    install(FILES ${arquivo} DESTINATION ${TROVALE_DATA_DESTINATION} OPTIONAL)
endforeach()

# Example songs, copied into the user's songs folder on their first start.
file(GLOB TROVALE_EXAMPLE_SONGS ${CMAKE_SOURCE_DIR}/data/songs/*.dec)
install(FILES ${TROVALE_EXAMPLE_SONGS} DESTINATION ${TROVALE_DATA_DESTINATION}/songs)

# The desktop file is named by the AppStream id, which its metainfo launches.
set(TROVALE_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/data/desktop)
install(FILES ${TROVALE_DESKTOP_DIR}/io.github.trovale.Trovale.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TROVALE_DESKTOP_DIR}/io.github.trovale.Trovale.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TROVALE_DESKTOP_DIR}/trovale.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TROVALE_DESKTOP_DIR}/trovale.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-trovale-song.svg)
install(FILES ${TROVALE_DESKTOP_DIR}/trovale-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME trovale.xml)

# Refresh the desktop's caches when installing for real (not into a staging folder).
install(CODE "set(TROVALE_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
    if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
        set(share "${CMAKE_INSTALL_PREFIX}/${TROVALE_INSTALL_DATADIR}")
        find_program(TROVALE_UPDATE_MIME update-mime-database)
        if(TROVALE_UPDATE_MIME)
            execute_process(COMMAND ${TROVALE_UPDATE_MIME} "${share}/mime"
                            OUTPUT_QUIET ERROR_QUIET)
        endif()
        find_program(TROVALE_UPDATE_DESKTOP update-desktop-database)
        if(TROVALE_UPDATE_DESKTOP)
            execute_process(COMMAND ${TROVALE_UPDATE_DESKTOP} -q "${share}/applications"
                            OUTPUT_QUIET ERROR_QUIET)
        endif()
        find_program(TROVALE_UPDATE_ICONS gtk-update-icon-cache)
        if(TROVALE_UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/index.theme")
            execute_process(COMMAND ${TROVALE_UPDATE_ICONS} -q -t "${share}/icons/hicolor"
                            OUTPUT_QUIET ERROR_QUIET)
        endif()
    endif()
]])

# Man pages and the package's changelog go compressed, as Debian keeps them; -n leaves the
# time out, so that the same sources make the same files.
find_program(TROVALE_GZIP gzip REQUIRED)
function(trovale_comprimido origem destino)
    add_custom_command(OUTPUT ${destino}
        COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${TROVALE_GZIP} ${origem} ${destino}
        DEPENDS ${origem}
        VERBATIM)
endfunction()

set(TROVALE_MAN_PAGES)
foreach(pagina trovale.1 trovale-cli.1)
    trovale_comprimido(${CMAKE_SOURCE_DIR}/data/man/${pagina}
                       ${CMAKE_BINARY_DIR}/man/${pagina}.gz)
    list(APPEND TROVALE_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${pagina}.gz)
endforeach()
add_custom_target(trovale_man_pages ALL DEPENDS ${TROVALE_MAN_PAGES})
install(FILES ${TROVALE_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
