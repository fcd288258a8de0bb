# The Debian package: `cpack -G DEB` in a build tree makes velmora_VERSION_ARCH.deb
# of everything `cmake --install` installs (the development header aside),
# installed under /usr (the programs in /usr/games), with its dependencies
# worked out by dpkg-shlibdeps.
include(GNUInstallDirs)

# The copyright and the changelog, as Debian keeps them, for every installation.
set(VELMORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)
configure_file(packaging/debian/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
configure_file(packaging/debian/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND sh -c "gzip -9n -c '${CMAKE_BINARY_DIR}/packaging/changelog' > '${CMAKE_BINARY_DIR}/packaging/changelog.gz'"
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(velmora-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${VELMORA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELMORA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the default component: the sound library's header stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Velmora;Unspecified;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGames.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-mincho | fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "shogi with the mirror piece rule
Velmora is shogi, Japanese chess, on a 9 x 9 board: play the computer at one
of three levels, with a handicap if you like, or share the mouse with a
friend. It adds one rule of its own, the mirror piece: whenever a piece moves
on the board, the opponent's piece on the point-symmetric square makes the
mirrored move, provided its new square is empty.

Games can be stepped through, saved and loaded as record files. The menus
and messages are in Japanese.

The package also holds velmora-script, which plays the game without a window
from a script of events.")
include(CPack)
