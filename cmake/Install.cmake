# Linux desktop installation: standard paths, and the data files a desktop and a software
# centre look for (launcher, icons, AppStream metainfo, man page, copyright, changelog).
include(GNUInstallDirs)

# libguirt is the program's own, not a library for others to link: it lives in a folder of
# the program's under the library folder (lib/x86_64-linux-gnu/dravello for a /usr prefix),
# out of the loader's search path, and the program finds it relative to itself, so an
# installed or unpacked tree runs wherever it lands with no LD_LIBRARY_PATH or ldconfig.
set(DRAVELLO_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/dravello)
file(RELATIVE_PATH DRAVELLO_PRIVATE_LIBDIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_LIBDIR}/dravello)
set(DRAVELLO_INSTALL_RPATH "$ORIGIN/${DRAVELLO_PRIVATE_LIBDIR_FROM_BINDIR}")

set(DRAVELLO_LINUX_DATA ${PROJECT_SOURCE_DIR}/packaging/linux)
install(FILES ${DRAVELLO_LINUX_DATA}/org.dravello.Dravello.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRAVELLO_LINUX_DATA}/org.dravello.Dravello.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${DRAVELLO_LINUX_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
set(DRAVELLO_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/dravello)
install(FILES ${DRAVELLO_LINUX_DATA}/copyright DESTINATION ${DRAVELLO_INSTALL_DOCDIR})

# The man page and the changelog are installed gzipped, as Debian keeps them; -n leaves out
# the name and time stamp, so the same text always gives the same bytes. The package is
# made here with the program (a native package, versioned as the program is), so its
# Debian changelog is changelog.gz, not changelog.Debian.gz. The package build builds
# linux_docs by name (CMakePresets.json).
set(gzipped ${CMAKE_BINARY_DIR}/gzipped)
add_custom_command(OUTPUT ${gzipped}/dravello.1.gz ${gzipped}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${DRAVELLO_LINUX_DATA}/dravello.1 ${gzipped}/dravello.1
    COMMAND ${CMAKE_COMMAND} -E copy ${DRAVELLO_LINUX_DATA}/changelog ${gzipped}/changelog
    COMMAND gzip -9nf ${gzipped}/dravello.1 ${gzipped}/changelog
    DEPENDS ${DRAVELLO_LINUX_DATA}/dravello.1 ${DRAVELLO_LINUX_DATA}/changelog
    COMMENT "Compressing the man page and the changelog")
add_custom_target(linux_docs ALL DEPENDS ${gzipped}/dravello.1.gz ${gzipped}/changelog.gz)
install(FILES ${gzipped}/dravello.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gzipped}/changelog.gz DESTINATION ${DRAVELLO_INSTALL_DOCDIR})
