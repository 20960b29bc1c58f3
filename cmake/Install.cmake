# Installation and the Debian package. The programs find their data in bin/../share/feldspan, so the
# layout below keeps that relation; `cpack -G DEB` in the build folder makes the package.
include(GNUInstallDirs)
# The package's documentation folder is named after the package, not the project.
set(FELDSPAN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/feldspan)

file(RELATIVE_PATH _data_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_DATADIR}/feldspan)
if(NOT _data_from_bin STREQUAL "../share/feldspan")
  message(WARNING "the programs look for their data in ../share/feldspan beside themselves; "
                  "CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR put it at ${_data_from_bin}")
endif()

set(FELDSPAN_APP_ID io.github.feldspan.FeldSpan)
# udev reads its packaged rules from lib/udev/rules.d below /usr, never below /usr/local.
set(FELDSPAN_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING "Where the udev rules are installed (relative: below the prefix)")

install(TARGETS feldspan-cli feldspan-pdtsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET feldspan)
  install(TARGETS feldspan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(_linux ${PROJECT_SOURCE_DIR}/res/linux)
install(FILES ${_linux}/${FELDSPAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_linux}/${FELDSPAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/app.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${FELDSPAN_APP_ID}.svg)
install(FILES ${_linux}/feldspan-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME feldspan-cli)
install(FILES ${_linux}/70-feldspan.rules DESTINATION ${FELDSPAN_UDEV_RULES_DIR})
install(FILES ${_linux}/copyright DESTINATION ${FELDSPAN_DOC_DIR})

# Manual pages from the programs' own help, made at build time.
set(_man_dir ${CMAKE_BINARY_DIR}/man)
set(_pages "")
function(_feldspan_man target summary)
  cmake_parse_arguments(ARG "" "MAN_OPTION" "" ${ARGN})
  if(NOT TARGET ${target})
    return()
  endif()
  set(_page ${_man_dir}/${target}.1)
  add_custom_command(OUTPUT ${_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_man_dir}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target} "-DSUMMARY=${summary}"
            -DVERSION=${PROJECT_VERSION} -DMAN_OPTION=${ARG_MAN_OPTION} -DOUT=${_page}
            "-DSEE_ALSO=feldspan(1), feldspan-cli(1), feldspan-pdtsim(1)"
            -P ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
    COMMAND gzip -9nf ${_page}
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
    COMMENT "Writing the manual page of ${target}"
    VERBATIM)
  set(_pages ${_pages} ${_page}.gz PARENT_SCOPE)
endfunction()
_feldspan_man(feldspan "link a PC with a handheld data terminal and its cradle")
_feldspan_man(feldspan-cli "the handheld terminal and its cradle from a shell" MAN_OPTION --help-man)
_feldspan_man(feldspan-pdtsim "a simulated handheld data terminal on a pseudo-terminal")
add_custom_target(feldspan_man ALL DEPENDS ${_pages})
install(FILES ${_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A short changelog for the package's documentation folder.
set(_changelog ${CMAKE_BINARY_DIR}/changelog)
file(WRITE ${_changelog} "feldspan (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
                         "  * Installable package: desktop entry, udev rules, manual pages,\n"
                         "    feldspan-cli doctor and ports.\n\n"
                         " -- FeldSpan developers <feldspan@users.noreply.github.com>  Sun, 01 Jun 2025 00:00:00 +0000\n")
add_custom_command(OUTPUT ${_changelog}.gz COMMAND gzip -9nkf ${_changelog} DEPENDS ${_changelog} VERBATIM)
add_custom_target(feldspan_changelog ALL DEPENDS ${_changelog}.gz)
install(FILES ${_changelog}.gz DESTINATION ${FELDSPAN_DOC_DIR})

# The Debian package: its dependencies come from the shared libraries the programs link; the
# picture and Qt's own button texts are loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME feldspan)
set(CPACK_PACKAGE_VENDOR "FeldSpan developers")
set(CPACK_PACKAGE_CONTACT "FeldSpan developers <feldspan@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "link a PC with a handheld data terminal and its cradle")
# The summary above is the synopsis; this is the rest, an empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "FeldSpan sends application projects to a handheld data terminal over a serial
port or USB, receives the data files it collected, manages its drives and
updates the terminal's kernel and the charging cradle's firmware.

The package holds the desktop program, feldspan-cli for scripts and servers,
a simulated terminal (feldspan-pdtsim), and udev rules that give the user at
the seat access to the cradle and keep ModemManager away from it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's translations carry the OK, Cancel, Yes and No of every message box in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
