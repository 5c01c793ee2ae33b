# The desktop entry, the icon, the AppStream metainfo, the man pages, the
# bash completion and the changelog. What needs building is built into
# build/packaging and installed from there.
set(_tolvane_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(_tolvane_built ${CMAKE_BINARY_DIR}/packaging)
set(_tolvane_generated)

# The icon is drawn once, as SVG; the hicolor sizes are rendered from it at
# build time, so no picture in the tree can fall behind the drawing.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(_tolvane_icon ${_tolvane_packaging}/${TOLVANE_APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  set(_tolvane_png ${_tolvane_built}/icons/hicolor/${size}x${size}/apps/${TOLVANE_APP_ID}.png)
  add_custom_command(
    OUTPUT ${_tolvane_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_tolvane_built}/icons/hicolor/${size}x${size}/apps
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${_tolvane_png} ${_tolvane_icon}
    DEPENDS ${_tolvane_icon}
    VERBATIM)
  list(APPEND _tolvane_generated ${_tolvane_png})
  install(FILES ${_tolvane_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${_tolvane_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# An advertising banner shows only when the build names a banner server other
# than the loopback default; the metainfo's content rating says so.
if(TOLVANE_BANNER_BASE MATCHES "^https?://(127\\.[0-9.]+|localhost|\\[::1\\])(:[0-9]+)?$")
  set(TOLVANE_OARS_ADVERTISING none)
else()
  set(TOLVANE_OARS_ADVERTISING moderate)
endif()
configure_file(${_tolvane_packaging}/${TOLVANE_APP_ID}.metainfo.xml.in
               ${_tolvane_built}/${TOLVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_tolvane_built}/${TOLVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_tolvane_packaging}/${TOLVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# `file`.gz beside `file`, the same for every build (no name or time inside).
function(tolvane_gzip file)
  add_custom_command(
    OUTPUT ${file}.gz
    COMMAND gzip -9 --no-name --keep --force ${file}
    DEPENDS ${file}
    VERBATIM)
  list(APPEND _tolvane_generated ${file}.gz)
  set(_tolvane_generated ${_tolvane_generated} PARENT_SCOPE)
endfunction()

# Man pages carry the version and release date, and are installed compressed.
foreach(page tolvane.1 tolvane-find.1)
  configure_file(${_tolvane_packaging}/${page}.in ${_tolvane_built}/man/${page} @ONLY)
  tolvane_gzip(${_tolvane_built}/man/${page})
  install(FILES ${_tolvane_built}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# Debian's place for a package's documents: the package's name, lower case,
# with the changelog compressed under that name.
set(TOLVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tolvane)
configure_file(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${_tolvane_built}/changelog COPYONLY)
tolvane_gzip(${_tolvane_built}/changelog)
install(FILES ${_tolvane_built}/changelog.gz ${_tolvane_packaging}/copyright
              ${PROJECT_SOURCE_DIR}/docs/使用说明.md ${PROJECT_SOURCE_DIR}/docs/screenshot.png
        DESTINATION ${TOLVANE_DOC_DIR})

install(FILES ${_tolvane_packaging}/tolvane-find.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tolvane-find)

add_custom_target(installed_files ALL DEPENDS ${_tolvane_generated})
