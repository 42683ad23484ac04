# Installing Korvel as a desktop program, and packaging it as a Debian package
# (cpack -G DEB in the build folder).
include(GNUInstallDirs)

set(KORVEL_APP_ID io.github.korvel.Korvel)
set(KORVEL_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

if(TARGET korvel)
  install(TARGETS korvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS korvel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# korvel-cli starts korvel-cli-print for `print` and korvel-cli-check for `check` and `steps`.
# Only korvel-cli runs them, so they are installed out of the search path, in libexec/korvel;
# korvel-cli looks for them beside itself (the build tree), then at this path relative to its
# own folder, so the installed tree works under any prefix.
set(KORVEL_HELPERS_DIR ${CMAKE_INSTALL_LIBEXECDIR}/korvel)
install(TARGETS korvel-cli-print korvel-cli-check RUNTIME DESTINATION ${KORVEL_HELPERS_DIR})
file(RELATIVE_PATH korvel_helpers_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/korvel)
target_compile_definitions(korvel-cli PRIVATE KORVEL_HELPERS_FROM_BIN="${korvel_helpers_from_bin}")

# Manual pages and the Debian changelog, compressed as Debian installs them (gzip -9n: no
# name or time stamp, so the same sources give the same files). Without gzip they are
# installed as they are, which man reads as well.
find_program(KORVEL_GZIP gzip)
set(KORVEL_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${KORVEL_PACKAGING_DIR}/gz) # gzip replaces a file by FILE.gz beside it
set(korvel_manual_pages korvel-cli)
if(TARGET korvel)
  list(APPEND korvel_manual_pages korvel)
endif()
set(korvel_packaging_outputs)
function(korvel_compressed source name destination) # installs source as destination/name(.gz)
  set(plain ${KORVEL_PACKAGING_DIR}/${name})
  if(NOT source STREQUAL plain)
    configure_file(${source} ${plain} COPYONLY)
  endif()
  if(KORVEL_GZIP)
    add_custom_command(OUTPUT ${plain}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${plain} ${KORVEL_PACKAGING_DIR}/gz/${name}
      COMMAND ${KORVEL_GZIP} -9nf ${KORVEL_PACKAGING_DIR}/gz/${name}
      COMMAND ${CMAKE_COMMAND} -E rename ${KORVEL_PACKAGING_DIR}/gz/${name}.gz ${plain}.gz
      DEPENDS ${plain}
      COMMENT "Compressing ${name}"
      VERBATIM)
    install(FILES ${plain}.gz DESTINATION ${destination})
    set(korvel_packaging_outputs ${korvel_packaging_outputs} ${plain}.gz PARENT_SCOPE)
  else()
    install(FILES ${plain} DESTINATION ${destination})
  endif()
endfunction()
foreach(page ${korvel_manual_pages})
  # The pages name the project's version in their footer.
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1.in ${KORVEL_PACKAGING_DIR}/${page}.1
                 @ONLY)
  korvel_compressed(${KORVEL_PACKAGING_DIR}/${page}.1 ${page}.1 ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# A native Debian package's changelog is changelog.gz in its documentation folder.
korvel_compressed(${KORVEL_DATA_DIR}/debian/changelog changelog
                  ${CMAKE_INSTALL_DATADIR}/doc/korvel)
add_custom_target(korvel_packaging_files ALL DEPENDS ${korvel_packaging_outputs})

install(FILES ${KORVEL_DATA_DIR}/korvel-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME korvel-cli)

if(NOT KORVEL_CORE_ONLY)
  # The desktop entry starts the program by its installed path, so it works whether or not
  # the prefix's bin folder is on PATH. The prefix is known only when installing (cmake
  # --install --prefix, or /usr in the Debian package), so the entry is made then.
  set(KORVEL_DESKTOP_ENTRY ${PROJECT_BINARY_DIR}/${KORVEL_APP_ID}.desktop)
  install(CODE "
    set(KORVEL_DESKTOP_TEMPLATE [[${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.desktop.in]])
    set(KORVEL_DESKTOP_ENTRY [[${KORVEL_DESKTOP_ENTRY}]])
    set(KORVEL_BINDIR [[${CMAKE_INSTALL_BINDIR}]])
    include([[${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cmake]])")
  install(FILES ${KORVEL_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${KORVEL_DATA_DIR}/icons/${KORVEL_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KORVEL_APP_ID}.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/docs/entry-screen.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/korvel/screenshots)
  # The help viewer looks for them in <program folder>/../share/korvel/help.
  install(DIRECTORY ${KORVEL_HELP_OUTPUT_DIR}/helpfiles
          DESTINATION ${CMAKE_INSTALL_DATADIR}/korvel/help)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvel)
# The licence in Debian's machine-readable form.
install(FILES ${KORVEL_DATA_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "The Korvel team")
# The project has no public address yet: the package names the team without one.
set(CPACK_PACKAGE_CONTACT "The Korvel team")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solver for systems of simultaneous linear equations")
# Lines of at most 80 characters, as Debian's tools show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Korvel solves one system of up to 16 simultaneous linear equations for\n"
  "engineering students and engineers: type the coefficients, the constants\n"
  "and the names of the unknowns into a grid, solve, and read, print or\n"
  "export the solution. Every answer is checked exactly in rational\n"
  "arithmetic, and a worked solution shows the elimination step by step.\n"
  "Models are kept in plain-text .kvl files; systems can be imported from\n"
  "CSV and TSV files. Includes korvel-cli for scripts and batches.\n"
  "Licensed under the GNU General Public License, version 3 or later.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON) # the package carries no debugging information
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries and the rest follow from the executables (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debian's shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh their caches
# by dpkg triggers when files land in their folders, so no maintainer scripts are needed.
# The screens are drawn in DejaVu Sans (the printed report in Liberation Sans, fonts-liberation).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, hicolor-icon-theme, fonts-dejavu-core, fonts-liberation")
include(CPack)
