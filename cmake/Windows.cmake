# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program and the tree both Windows downloads are made from
# (tools/windows/package.sh): the program, the DLLs it needs and the
# catalogue under share/clubdraw/, where the program looks for it.
#
# clubdraw.exe is a GUI-subsystem program, so a double-click opens the
# window with no console behind it. Such a program cannot write to the
# console it was started from; clubdraw.com, the same program built for the
# console subsystem, serves cmd.exe and PowerShell, which find .com before
# .exe through PATHEXT.
enable_language(RC)
include(GNUInstallDirs)

# The same program from every build of a commit, wherever it is built: no
# link time in the PE header, no build folder in the code.
target_link_options(clubdraw_build_options INTERFACE -Wl,--no-insert-timestamp)
target_compile_options(clubdraw_build_options INTERFACE
                       -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                       -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# The icon, made from the one SVG the Linux desktop uses.
find_program(CLUBDRAW_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(CLUBDRAW_IM_CONVERT convert REQUIRED)
set(clubdraw_icon_dir ${CMAKE_CURRENT_BINARY_DIR}/windows)
set(clubdraw_icon_pngs)
foreach(size 16 24 32 48 256)
  list(APPEND clubdraw_icon_pngs ${clubdraw_icon_dir}/icon-${size}.png)
  add_custom_command(OUTPUT ${clubdraw_icon_dir}/icon-${size}.png
                     COMMAND ${CLUBDRAW_RSVG_CONVERT} -w ${size} -h ${size}
                             -o ${clubdraw_icon_dir}/icon-${size}.png
                             ${PROJECT_SOURCE_DIR}/packaging/io.github.clubdraw.clubdraw.svg
                     DEPENDS ${PROJECT_SOURCE_DIR}/packaging/io.github.clubdraw.clubdraw.svg
                     VERBATIM)
endforeach()
add_custom_command(OUTPUT ${clubdraw_icon_dir}/clubdraw.ico
                   COMMAND ${CLUBDRAW_IM_CONVERT} ${clubdraw_icon_pngs} ${clubdraw_icon_dir}/clubdraw.ico
                   DEPENDS ${clubdraw_icon_pngs} VERBATIM)

# Icon and version information, from project().
set(CLUBDRAW_ICON ${clubdraw_icon_dir}/clubdraw.ico)
configure_file(packaging/windows/clubdraw.rc.in ${clubdraw_icon_dir}/clubdraw.rc @ONLY)
set_source_files_properties(${clubdraw_icon_dir}/clubdraw.rc PROPERTIES
                            OBJECT_DEPENDS ${clubdraw_icon_dir}/clubdraw.ico)

set_target_properties(clubdraw PROPERTIES WIN32_EXECUTABLE ON)
target_sources(clubdraw PRIVATE ${clubdraw_icon_dir}/clubdraw.rc)

add_executable(clubdraw_console src/app/main.cpp ${clubdraw_icon_dir}/clubdraw.rc)
target_link_libraries(clubdraw_console PRIVATE clubdraw_app)
set_target_properties(clubdraw_console PROPERTIES OUTPUT_NAME clubdraw SUFFIX .com
                      RUNTIME_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:clubdraw>)

install(TARGETS clubdraw clubdraw_console RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/kortliste_eng.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/clubdraw)

# Qt's DLLs, and the platform plugin and style the window needs.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
# qt.conf makes the program's own folder Qt's: plugins and Qt's
# translations are found beside it wherever it is unpacked.
install(FILES packaging/windows/qt.conf DESTINATION ${CMAKE_INSTALL_BINDIR})

# The MinGW runtime the compiler links against.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "MinGW runtime ${dll} not found")
  endif()
  install(FILES ${path} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Qt's own texts (the buttons of the error box) in every language the
# program speaks, from the host's Qt translations.
file(GLOB clubdraw_windows_ts RELATIVE ${PROJECT_SOURCE_DIR}/translations
     ${PROJECT_SOURCE_DIR}/translations/clubdraw_*.ts)
foreach(ts ${clubdraw_windows_ts})
  string(REGEX REPLACE "^clubdraw_(.*)\\.ts$" "\\1" language ${ts})
  set(qm ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm)
  if(EXISTS ${qm})
    install(FILES ${qm} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
  endif()
endforeach()

install(FILES LICENSE DESTINATION .)
