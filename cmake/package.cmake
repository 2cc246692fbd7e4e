# The Debian package: `cpack -G DEB` in the build folder packs the install tree
# under /usr. Included after cmake/install.cmake.

set(VORNEXA_PACKAGE_MAINTAINER "Vornexa developers <vornexa@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornexa)
set(CPACK_PACKAGE_VENDOR "Vornexa developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ground-control design for underground coal mines")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vornexa relates the azimuths of planned development entries, crosscuts and\n"
    "longwall headgates to the direction of the maximum horizontal stress\n"
    "(SigmaH), classes each orientation, draws the stress design diagrams and the\n"
    "headgate stress graph, estimates the magnitude of the horizontal stress and\n"
    "converts units.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "${VORNEXA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORNEXA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The Qt runtime packages come from dpkg-shlibdeps on the program and its modules.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The menu entry, icon and file type are registered by these packages' triggers;
# help and the external editor open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "desktop-file-utils, shared-mime-info, hicolor-icon-theme, xdg-utils")
# Debug information would make the package fifteen times larger and slower to pack.
set(CPACK_STRIP_FILES ON)

include(CPack)

# Packing needs the Debian tools; elsewhere there is nothing to test.
find_program(DPKG_DEB dpkg-deb)
if(DPKG_DEB)
    add_test(NAME deb_package
        COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/deb_package.sh ${CMAKE_BINARY_DIR}
            ${PROJECT_VERSION})
    set_tests_properties(deb_package PROPERTIES TIMEOUT 180)
endif()
