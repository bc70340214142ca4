# The Debian package, built by CPack from the install rules:
#     cmake --build build --target package     (or: cd build && cpack -G DEB)
# gives build/cleavemark_<version>_<architecture>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cleavemark)
set(CPACK_PACKAGE_VENDOR Tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly <support@tessaly.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "split PDF documents and merge them")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Cleavemark cuts a PDF document into files of one page, into groups of\n\
pages, by page ranges or by removing chosen pages, and joins an ordered\n\
list of PDF documents into one. Output files can carry a title and an\n\
author, be protected by a password with chosen permissions, be compressed\n\
and be named from a template.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tessaly.com/cleavemark/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# The package installs below /usr. The install step writes the desktop entry
# for the prefix it is given, so CPack must stage with DESTDIR and hand the
# install that prefix itself, whatever the build was configured with.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# The libraries come from dpkg-shlibdeps; showing a file in its folder and
# opening the web pages go through the desktop's handlers.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
