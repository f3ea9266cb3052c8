# The Debian package: `cpack -G DEB` in a build configured with
# CMAKE_INSTALL_PREFIX=/usr (scripts/kinetra.sh package does both).
include(GNUInstallDirs)

configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Debian wants a changelog in every package; this one names the version.
string(TIMESTAMP KINETRA_PACKAGE_DATE "%a, %d %b %Y 00:00:00 +0000" UTC) # the day, so that builds of one day agree
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
  COMMAND gzip -9 -n -c changelog > changelog.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
  VERBATIM)
add_custom_target(kinetra_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME kinetra)
set(CPACK_PACKAGE_VENDOR "The Kinetra developers")
set(CPACK_PACKAGE_CONTACT "${KINETRA_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kinetra_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KINETRA_HOMEPAGE}")
# The libraries the program links come from dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own Spanish texts, for the text boxes' context menus; shared-mime-info
# registers the type of .kinetra files, so that a double click opens them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, shared-mime-info")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "how long a road vehicle takes to accelerate")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kinetra estimates how long a road vehicle takes to accelerate from one speed
to another, and in which gears. Type the vehicle into its one window (gear
ratios, tyre size, mass, drag, and the engine's full-load torque curve as a
sixth-degree polynomial in engine speed), press 'Calcular' and read the
starting gear, the final gear and the time. The window is in Spanish.")

include(CPack)
