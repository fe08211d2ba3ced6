# Linux desktop installation: standard paths, and the data files a desktop and a software
# centre look for (launcher, icons, AppStream metainfo, man page, copyright).
include(GNUInstallDirs)

# The program finds libguirt relative to itself, so an installed or unpacked tree runs
# wherever it lands and needs no LD_LIBRARY_PATH.
file(RELATIVE_PATH DRAVELLO_LIBDIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
set(DRAVELLO_INSTALL_RPATH "$ORIGIN/${DRAVELLO_LIBDIR_FROM_BINDIR}")

set(DRAVELLO_LINUX_DATA ${PROJECT_SOURCE_DIR}/packaging/linux)
install(FILES ${DRAVELLO_LINUX_DATA}/org.dravello.Dravello.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRAVELLO_LINUX_DATA}/org.dravello.Dravello.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${DRAVELLO_LINUX_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${DRAVELLO_LINUX_DATA}/dravello.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${DRAVELLO_LINUX_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dravello)
