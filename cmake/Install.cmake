# Installing Korvel as a desktop program, and packaging it as a Debian package
# (cpack -G DEB in the build folder).
include(GNUInstallDirs)

set(KORVEL_APP_ID io.github.korvel.Korvel)
set(KORVEL_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

if(TARGET korvel)
  install(TARGETS korvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# korvel-cli starts korvel-cli-print from its own folder for `print`: install them together.
install(TARGETS korvel-cli korvel-cli-print RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(NOT KORVEL_CORE_ONLY)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${KORVEL_DATA_DIR}/${KORVEL_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The help viewer looks for them in <program folder>/../share/korvel/help.
  install(DIRECTORY ${KORVEL_HELP_OUTPUT_DIR}/helpfiles
          DESTINATION ${CMAKE_INSTALL_DATADIR}/korvel/help)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "The Korvel team")
set(CPACK_PACKAGE_CONTACT "The Korvel team <korvel@example.org>") # placeholder address
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solver for systems of simultaneous linear equations")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Korvel solves one system of up to 16 simultaneous linear equations for engineering\n"
  "students and engineers: type the coefficients, the constants and the names of the\n"
  "unknowns into a grid, solve, and read, print or export the solution. Models are kept in\n"
  "plain-text .kvl files. Includes korvel-cli for scripts and batches.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/korvel/korvel")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON) # the package carries no debugging information
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries and the rest follow from the executables (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debian's shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh their caches
# by dpkg triggers when files land in their folders, so no maintainer scripts are needed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
