# Installing Korvel as a desktop program, and packaging it as a Debian package
# (cpack -G DEB in the build folder).
include(GNUInstallDirs)

set(KORVEL_APP_ID io.github.korvel.Korvel)
set(KORVEL_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

if(TARGET korvel)
  install(TARGETS korvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# korvel-cli starts korvel-cli-print for `print` and korvel-cli-check for `check` from its own
# folder: install them together.
install(TARGETS korvel-cli korvel-cli-print korvel-cli-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "The Korvel team")
# The project has no public address yet: the package names the team without one.
set(CPACK_PACKAGE_CONTACT "The Korvel team")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solver for systems of simultaneous linear equations")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Korvel solves one system of up to 16 simultaneous linear equations for engineering\n"
  "students and engineers: type the coefficients, the constants and the names of the\n"
  "unknowns into a grid, solve, and read, print or export the solution. Models are kept in\n"
  "plain-text .kvl files. Includes korvel-cli for scripts and batches.\n"
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
