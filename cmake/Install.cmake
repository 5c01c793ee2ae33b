# What `cmake --install` puts under the prefix: the two programs, the default
# catalogue in share/tolvane, and what a Linux desktop needs to list and
# describe the program (desktop entry, icons, AppStream metainfo, man pages,
# bash completion, licence). cmake/Package.cmake turns the same rules into a
# Debian package.
include(GNUInstallDirs)

# The desktop's name for the program: the desktop entry's, the icon's and
# the metainfo's file names, and the window's desktop file name.
set(TOLVANE_APP_ID org.tolvane.Tolvane)
target_compile_definitions(tolvane PRIVATE TOLVANE_APP_ID="${TOLVANE_APP_ID}")
include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/InstallFiles.cmake)

if(NOT DEFINED TOLVANE_CATALOGUE)
  message(FATAL_ERROR "cmake/Install.cmake must come after cmake/Catalogue.cmake")
endif()
install(TARGETS tolvane tolvane-find RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TOLVANE_CATALOGUE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvane)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

if(TOLVANE_TESTS)
  add_subdirectory(tests/packaging)
endif()
