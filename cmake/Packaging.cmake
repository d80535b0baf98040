# SPDX-License-Identifier: GPL-3.0-or-later
# Installation layout and the Debian package.

# A Debian package lives under /usr, and GNUInstallDirs picks Debian's
# multiarch libdir only for that prefix; --prefix still overrides it.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Install path prefix" FORCE)
endif()
include(GNUInstallDirs)

set(CLUBDRAW_APP_ID io.github.clubdraw.clubdraw)
set(CLUBDRAW_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/clubdraw)

# The program reads its catalogue from its own folder, so both go there.
install(TARGETS clubdraw RUNTIME DESTINATION ${CLUBDRAW_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/kortliste_eng.txt DESTINATION ${CLUBDRAW_PROGRAM_DIR})

# bin/clubdraw is a relative link, so the tree can be moved (DESTDIR, a
# package); the program resolves it to find its folder.
file(RELATIVE_PATH clubdraw_link_target
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/clubdraw/clubdraw)
set(clubdraw_link ${CMAKE_CURRENT_BINARY_DIR}/packaging/bin/clubdraw)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ${clubdraw_link_target} ${clubdraw_link} SYMBOLIC)
install(FILES ${clubdraw_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES packaging/${CLUBDRAW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${CLUBDRAW_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/${CLUBDRAW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES docs/clubdraw.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CLUBDRAW_PACKAGE_MAINTAINER "The Clubdraw developers <clubdraw@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clubdraw)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Clubdraw developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws a random football club to manage")
set(CPACK_PACKAGE_DESCRIPTION
  "Clubdraw picks a club for you to manage in the 1999/2000\n"
  "football-management game, from the nations, divisions and database you\n"
  "choose, with a slot-machine style reveal.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CLUBDRAW_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/clubdraw/clubdraw)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for these fonts by name; nothing links them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-ebgaramond")

include(CPack)
