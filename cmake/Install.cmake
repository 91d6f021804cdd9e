# SPDX-License-Identifier: MIT
# Installation in the freedesktop layout, with the program where Debian's
# policy puts games, and a Debian package through CPack.
include(GNUInstallDirs)

set(DIRUVARI_INSTALL_GAMESDIR games CACHE STRING "Where the game installs, below the prefix")
set(DIRUVARI_RELEASE_DATE 2026-12-08)
set(doc ${CMAKE_INSTALL_DATADIR}/doc/diruvari)

# The manual page and the changelog, compressed as Debian's policy asks:
# gzip -9 without a name or time stamp, so that every build gives the same.
find_program(GZIP gzip REQUIRED)
configure_file(data/diruvari.6.in ${CMAKE_BINARY_DIR}/diruvari.6 @ONLY)
foreach(file diruvari.6 changelog)
    set(source ${CMAKE_BINARY_DIR}/${file})
    if(file STREQUAL changelog)
        set(source ${PROJECT_SOURCE_DIR}/data/changelog)
    endif()
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${file}.gz
                       COMMAND ${GZIP} -9nc ${source} > ${CMAKE_BINARY_DIR}/${file}.gz
                       DEPENDS ${source} VERBATIM)
endforeach()
add_custom_target(diruvari_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/diruvari.6.gz
                                            ${CMAKE_BINARY_DIR}/changelog.gz)

install(TARGETS diruvari RUNTIME DESTINATION ${DIRUVARI_INSTALL_GAMESDIR})
install(FILES data/${DIRUVARI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${DIRUVARI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${DIRUVARI_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/diruvari.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The copyright file carries both licences, the font's as it asks: the face
# itself is compiled into the program and ships no file of its own.
install(FILES data/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${doc})
install(FILES data/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME diruvari)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME diruvari)
set(CPACK_PACKAGE_VENDOR "The Diruvari developers")
set(CPACK_PACKAGE_CONTACT "The Diruvari developers <diruvari@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of same-coloured neighbouring cards")
# CPack puts the summary above these lines, which stay within 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Diruvari is a puzzle for one player on a 4 x 4 grid of coloured cards:
select a card and click a same-coloured neighbour in its row or column to
make a pair, through ten levels.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Wayland platform: without it, a Wayland desktop runs the game
# through Xwayland, where the compositor's key repeat and scale are not its.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
include(CPack)
