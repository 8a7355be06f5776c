# What `cmake --install` puts in place, and the packages CPack makes of it:
# on Linux the programs, the screensaver hack, its option description, the
# desktop entry, the manual pages and the documents (a .deb); for Windows
# the .scr with a short README and the licence (a ZIP).
set(CPACK_PACKAGE_NAME quorvan3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvan 3D Screensaver developers")
set(CPACK_PACKAGE_CONTACT "Quorvan 3D Screensaver developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D space-flight screensaver")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

if(WIN32)
  install(TARGETS quorvan3d_scr RUNTIME DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/share/windows/README.txt DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME quorvan3d-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  include(GNUInstallDirs)
  install(TARGETS quorvan3d qvtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The hack where the X11 screensaver daemon looks for it: a link to the program.
  file(RELATIVE_PATH QV_HACK_TARGET ${CMAKE_INSTALL_FULL_LIBEXECDIR}/xscreensaver
       ${CMAKE_INSTALL_FULL_BINDIR}/quorvan3d)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/hack)
  file(CREATE_LINK ${QV_HACK_TARGET} ${CMAKE_BINARY_DIR}/hack/quorvan3d SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/hack/quorvan3d DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
  install(FILES ${CMAKE_SOURCE_DIR}/share/xscreensaver/config/quorvan3d.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
  install(FILES ${CMAKE_SOURCE_DIR}/share/applications/quorvan3d.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(page quorvan3d.1 qvtool.1)  # the version in their headers
    configure_file(${CMAKE_SOURCE_DIR}/share/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvan3d)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION x11)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the library packages, from the binaries
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
  set(CPACK_PACKAGE_DESCRIPTION "An endless, scripted camera flight through planet systems, space stations, fleets of ships, asteroid fields and galaxies, full screen or as an X11 screensaver hack; with qvtool, the tool for its content.")
endif()
include(CPack)
