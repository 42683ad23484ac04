# Run when installing (from Install.cmake): makes the desktop entry from its template with
# Exec set to the installed program. Set before including: KORVEL_DESKTOP_TEMPLATE,
# KORVEL_DESKTOP_ENTRY (the file to write) and KORVEL_BINDIR (the bin folder, relative to the
# install prefix or absolute). CMAKE_INSTALL_PREFIX is the prefix of this installation.
if(IS_ABSOLUTE "${KORVEL_BINDIR}")
  set(KORVEL_EXEC "${KORVEL_BINDIR}/korvel")
else()
  set(KORVEL_EXEC "${CMAKE_INSTALL_PREFIX}/${KORVEL_BINDIR}/korvel")
endif()
# A path with blanks is quoted, as the desktop entry format asks.
if(KORVEL_EXEC MATCHES "[ \t]")
  set(KORVEL_EXEC "\"${KORVEL_EXEC}\"")
endif()
configure_file("${KORVEL_DESKTOP_TEMPLATE}" "${KORVEL_DESKTOP_ENTRY}" @ONLY)
