# `cpack -G DEB` in the build folder (scripts/package.sh) makes
# tolvane_<version>_amd64.deb from the install rules, under /usr. Its
# dependencies are the libraries the programs link, as dpkg-shlibdeps finds
# them (Qt 6 Core, Gui, Widgets and Network, SQLCipher, the C and C++
# runtimes), and what the window loads by name: the CJK font it asks for and
# Qt's Chinese texts for its standard buttons and dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tolvane.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "look up Windows API functions, types and constants")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Tolvane is a small, fast desktop tool for programmers who call the Windows API\n"
  "from VB, VBA or C#. Type part of a name, with wildcards, narrow the list by\n"
  "category and DLL, see the whole record, and copy a ready private VB Declare,\n"
  "64-bit VBA Declare PtrSafe or C# DllImport declaration. The catalogue of\n"
  "functions, structures and constants is generated from the mingw-w64 headers\n"
  "and import libraries, and can be edited. The interface is Simplified Chinese.\n"
  "tolvane-find looks the same records up from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tolvane developers")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders get 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
