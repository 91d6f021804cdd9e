# Installation in the freedesktop layout, and a Debian package through CPack.
include(GNUInstallDirs)

install(TARGETS diruvari RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${DIRUVARI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${DIRUVARI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${DIRUVARI_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The labels' face is compiled into the game; the file and its licence ship
# beside it as the licence asks.
install(FILES resources/fonts/Blankenburg_UNZ1A.ttf resources/fonts/OFL.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/diruvari/fonts)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME diruvari)
set(CPACK_PACKAGE_VENDOR "The Diruvari developers")
set(CPACK_PACKAGE_CONTACT "The Diruvari developers <diruvari@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of same-coloured neighbouring cards")
set(CPACK_PACKAGE_DESCRIPTION
    "Diruvari is a puzzle for one player on a 4 x 4 grid of coloured cards: \
select a card and click a same-coloured neighbour in its row or column to \
make a pair, through ten levels.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
