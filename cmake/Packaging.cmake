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
