# SPDX-License-Identifier: GPL-3.0-or-later
# Installation layout and the Debian package.
#
# Every install rule of the Linux build stands here: the program, its
# catalogue, the desktop entry, icon, metainfo, man page, changelog,
# copyright and lintian overrides. The Windows build's stand in
# cmake/Windows.cmake; both Windows downloads are made from the tree they
# lay out (tools/windows/package.sh), never from a list of their own.
#
# The program goes to bin/, its catalogue to share/clubdraw/, where the
# program looks for it (see CLUBDRAW_DATA_FROM_PROGRAM in src/). A package
# gets /usr from CPACK_PACKAGING_INSTALL_PREFIX; `cmake --install --prefix DIR`
# lays out the same tree under DIR.
include(GNUInstallDirs)

install(TARGETS clubdraw RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/kortliste_eng.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/clubdraw)

install(FILES packaging/${CLUBDRAW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${CLUBDRAW_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Who maintains the package, found as Debian's own tools find it: DEBFULLNAME
# and DEBEMAIL, else the author of the source tree's latest commit.
if(DEFINED ENV{DEBEMAIL})
  set(clubdraw_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  clubdraw_git_log("--format=%an <%ae>" clubdraw_maintainer)
  if(NOT clubdraw_maintainer)
    set(clubdraw_maintainer "The Clubdraw developers")
    message(WARNING "No maintainer address: set DEBEMAIL (and DEBFULLNAME) or "
                    "CLUBDRAW_PACKAGE_MAINTAINER before building the package")
  endif()
endif()
set(CLUBDRAW_PACKAGE_MAINTAINER "${clubdraw_maintainer}"
    CACHE STRING "Maintainer named in the Debian package and its changelog")

# Files that show the version get it from project().
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(packaging/${CLUBDRAW_APP_ID}.metainfo.xml.in
               ${generated}/${CLUBDRAW_APP_ID}.metainfo.xml @ONLY)
configure_file(docs/clubdraw.1.in ${generated}/clubdraw.1 @ONLY)
configure_file(packaging/changelog.in ${generated}/changelog @ONLY)
install(FILES ${generated}/${CLUBDRAW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the man page and the changelog compressed, reproducibly.
find_program(CLUBDRAW_GZIP gzip REQUIRED)
foreach(file clubdraw.1 changelog)
  add_custom_command(OUTPUT ${generated}/${file}.gz
                     COMMAND ${CLUBDRAW_GZIP} -9n -c ${generated}/${file} > ${generated}/${file}.gz
                     DEPENDS ${generated}/${file} VERBATIM)
endforeach()
add_custom_target(clubdraw_compressed_docs ALL
                  DEPENDS ${generated}/clubdraw.1.gz ${generated}/changelog.gz)
install(FILES ${generated}/clubdraw.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/changelog.gz packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME clubdraw)

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
# A helper for a game rather than a game: games go to /usr/games, and this
# is an ordinary program in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for these fonts by name; nothing links them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-ebgaramond")
# Qt's own texts (buttons, command-line errors) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
