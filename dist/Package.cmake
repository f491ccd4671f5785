# The Debian package: "cpack -G DEB" in a build folder makes it from the install rules
# (dist/CMakeLists.txt). It installs to /usr. The libraries the programs link with give
# the runtime dependencies (dpkg-shlibdeps); the window system's platform plugins are
# loaded at run time, so that one dependency is named here.
set(CPACK_PACKAGE_NAME miv3x-curvegen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "MIV-3X curve generator developers <miv3x@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Curve generator for the WUN-2 analog I/O module")
set(CPACK_PACKAGE_DESCRIPTION
    "Draws and edits output curves for the WUN-2, a small analog input/output module\n\
driven over RS-232, keeps them in curve files and writes them into the module.\n\
Also holds miv3x, the command-line tool for curve files and transfers, and\n\
wun2-sim, a simulated WUN-2 on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(MIV_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
