# The default catalogue is built from a text source at build time and put at
# mdb/winapi.mdb beside the executable, where the opener looks for it.
set(TOLVANE_CATALOGUE_SQL ${CMAKE_CURRENT_SOURCE_DIR}/data/starter.sql)
set(TOLVANE_CATALOGUE ${CMAKE_BINARY_DIR}/mdb/winapi.mdb)
add_custom_command(
  OUTPUT ${TOLVANE_CATALOGUE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/mdb
  COMMAND mkcatalogue ${TOLVANE_CATALOGUE} ${CMAKE_CURRENT_SOURCE_DIR}/data/schema.sql ${TOLVANE_CATALOGUE_SQL}
  DEPENDS mkcatalogue ${CMAKE_CURRENT_SOURCE_DIR}/data/schema.sql ${TOLVANE_CATALOGUE_SQL}
  COMMENT "Building the default catalogue mdb/winapi.mdb")
add_custom_target(catalogue ALL DEPENDS ${TOLVANE_CATALOGUE})
