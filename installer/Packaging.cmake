# The Debian package: cpack -G DEB in the build folder (not part of the default build).
set(CPACK_PACKAGE_NAME vortel)
set(CPACK_PACKAGE_VERSION ${VORTEL_DIST_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vortel developers")
set(CPACK_PACKAGE_CONTACT "Vortel developers <vortel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive text effect generator")
set(CPACK_PACKAGE_DESCRIPTION "Vortel turns lines of text into outlines, bends them into an envelope of\nfour guide lines and renders them with fills, a 3D bevel, frayed edges,\na cast shadow and a frame. It comes as a desktop program and a command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The Python module (python/) is built for the system's Python 3 and uses NumPy; the programs do not
# need either. Rendering a job list on a Dask cluster (vortel.dask) needs Dask's distributed engine.
if(TARGET _vortel)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${VORTEL_PYTHON_DEPENDS}")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-distributed")
endif()
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/vortel")
# Only the programs, the library and their data: the tests' and benchmarks' targets stay out.
set(CPACK_STRIP_FILES ON)
include(CPack)
