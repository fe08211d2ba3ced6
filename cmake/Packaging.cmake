# `cpack -G DEB` (make package): a .deb of what cmake/Install.cmake and the targets install.
set(CPACK_PACKAGE_NAME dravello)
set(CPACK_PACKAGE_VENDOR "Dravello developers")
set(CPACK_PACKAGE_CONTACT "Dravello developers <dravello@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "voltage-drop calculator for cables")
# One line each, as the control file shows them (within 80 columns).
set(CPACK_PACKAGE_DESCRIPTION "\
Dravello computes the voltage lost along a cable from the whole conductor
length, out and back, the current, the conductor's diameter or area, and
its material: copper, aluminium, gold, silver, iron or lead, at 20 degrees
Celsius. Typing a diameter fills in the area and the other way round, and
the drop is computed again as you type.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# Dependencies come from the shared libraries the program and libguirt link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
