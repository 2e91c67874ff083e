# Desktop integration files and the Debian package.
#
# `cmake --install` puts the program, its icons, the desktop entry, the MIME
# type of results files, the AppStream description and the man page into the
# usual places under the prefix. `cpack` (the `package` target) wraps whatever
# the install rules of the whole project put there into vexa_<version>_amd64.deb.

set(_assets ${PROJECT_SOURCE_DIR}/assets)

# Icons into the hicolor theme: the 16-colour 32 x 32 icon, the other drawn
# sizes and the scalable one.
install(FILES ${_assets}/vexa.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
foreach(_size 16 22 24 48 64 128 256)
  install(FILES ${_assets}/vexa-${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME vexa.png)
endforeach()
install(FILES ${_assets}/vexa.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${_assets}/vexa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_assets}/vexa-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vexa.xml)
# AppStream wants the file named after the component id.
install(FILES ${_assets}/vexa.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.vexa.vexa.metainfo.xml)

# Man pages are installed compressed, as Debian does.
find_program(VEXA_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/vexa.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
  COMMAND ${VEXA_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/man/vexa.1 > ${PROJECT_BINARY_DIR}/man/vexa.1.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/man/vexa.1
  VERBATIM)
add_custom_target(vexa_man_pages ALL DEPENDS ${PROJECT_BINARY_DIR}/man/vexa.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/man/vexa.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# ---------------------------------------------------------------- package

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VEXA developers")
set(CPACK_PACKAGE_CONTACT "VEXA developers <vexa@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour of wines and brandies from four absorbances")
set(CPACK_PACKAGE_DESCRIPTION
  "VEXA computes the tristimulus values X, Y, Z and the CIELAB coordinates\n"
  "L*, a*, b*, C* and h (illuminant D65, 10 degree observer) of a wine or\n"
  "brandy from its absorbances at 450, 520, 570 and 630 nm. It keeps up to 50\n"
  "samples in a results grid, marks them on an a*-b* chart and an L* scale,\n"
  "saves and opens results files (*.qrl) and prints the results on one page.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)            # vexa_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt 6, the C++ runtime) are found by
# dpkg-shlibdeps; the fonts that stand in for the designed faces are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")

include(CPack)
