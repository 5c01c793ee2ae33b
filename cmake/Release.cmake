# The version is project(... VERSION ...) alone. The newest entry of
# CHANGELOG.md and the newest release of the AppStream metainfo must name it;
# the entry's date is the release date the man pages carry.
set(_tolvane_changelog ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set(_tolvane_metainfo_in ${PROJECT_SOURCE_DIR}/packaging/${TOLVANE_APP_ID}.metainfo.xml.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_tolvane_changelog} ${_tolvane_metainfo_in})

file(STRINGS ${_tolvane_changelog} _tolvane_entry REGEX "^## \\[" LIMIT_COUNT 1)
if(NOT _tolvane_entry MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
  message(FATAL_ERROR "CHANGELOG.md: the newest entry must read '## [VERSION] - YYYY-MM-DD', not '${_tolvane_entry}'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md: the newest entry is ${CMAKE_MATCH_1}, the project's version ${PROJECT_VERSION}")
endif()
set(TOLVANE_RELEASE_DATE ${CMAKE_MATCH_2})

file(READ ${_tolvane_metainfo_in} _tolvane_metainfo)
if(NOT _tolvane_metainfo MATCHES "<release version=\"([^\"]+)\" date=\"([^\"]+)\"")
  message(FATAL_ERROR "${_tolvane_metainfo_in}: no release entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION OR NOT CMAKE_MATCH_2 STREQUAL TOLVANE_RELEASE_DATE)
  message(FATAL_ERROR "${_tolvane_metainfo_in}: the newest release is ${CMAKE_MATCH_1} of ${CMAKE_MATCH_2}, "
                      "CHANGELOG.md's ${PROJECT_VERSION} of ${TOLVANE_RELEASE_DATE}")
endif()
