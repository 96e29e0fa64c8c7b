# The Debian package, built by CPack's DEB generator (scripts/package): what `cmake --install`
# puts in place, with the control fields Debian asks for. Depends are computed by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Tarvolin developers <developers@tarvolin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bearing and distance between two Maidenhead locators")
# The synopsis above is the first line; CPack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[A small desktop utility for amateur-radio operators. Type your own
Maidenhead grid locator and the locator of the station you want to reach,
press Calculate, and see the bearing to point your antenna along the great
circle, in whole degrees from true north, and the great-circle distance in
whole kilometres.

A click on the ruler switches the distance between kilometres and miles;
a click on a flag switches the captions between Italian and English.]])
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CMAKE_CROSSCOMPILING)
  # The package of a cross build (cmake/toolchain-linux-cross.cmake): dpkg-shlibdeps finds the
  # libraries in the root built against, and scripts/package hands it the root's dpkg database.
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TARVOLIN_DEBIAN_ARCH})
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
      ${CMAKE_SYSROOT}/usr/lib/${CMAKE_LIBRARY_ARCHITECTURE} ${CMAKE_SYSROOT}/lib/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
# Qt's Italian texts for the context menus, and Wayland without XWayland (which blurs the window
# under fractional scaling).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
