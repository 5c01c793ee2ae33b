# The default catalogue is generated at build time from the mingw-w64 headers
# and import libraries and put at mdb/winapi.mdb beside the executable, where
# the opener looks for it. The hand-written starter catalogue is built too, as
# a small fixture for the tests.
set(TOLVANE_GENERATED_SQL ${CMAKE_BINARY_DIR}/generated/winapi.sql)
set(TOLVANE_GENERATED_LAYOUTS ${CMAKE_BINARY_DIR}/generated/layouts.txt)
set(TOLVANE_LAYOUT_EXCEPTIONS ${CMAKE_CURRENT_SOURCE_DIR}/tools/gencatalogue/layout_exceptions.txt)
set(TOLVANE_HAND_RECORDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/gencatalogue/hand_records.h)
set(TOLVANE_CATALOGUE ${CMAKE_BINARY_DIR}/mdb/winapi.mdb)
set(TOLVANE_STARTER_SQL ${CMAKE_CURRENT_SOURCE_DIR}/data/starter.sql)
set(TOLVANE_STARTER_MDB ${CMAKE_BINARY_DIR}/fixture/starter.mdb)
set(TOLVANE_SCHEMA ${CMAKE_CURRENT_SOURCE_DIR}/data/schema.sql)

add_custom_command(
  OUTPUT ${TOLVANE_GENERATED_SQL} ${TOLVANE_GENERATED_LAYOUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND gencatalogue --include ${MINGW_INCLUDE_DIR} --libs ${MINGW_LIB_DIR} --libs32 ${MINGW_LIB32_DIR}
          --resource-dir ${CLANG_RESOURCE_DIR} --out ${TOLVANE_GENERATED_SQL}
          --layouts ${TOLVANE_GENERATED_LAYOUTS} --exceptions ${TOLVANE_LAYOUT_EXCEPTIONS}
          --hand-records ${TOLVANE_HAND_RECORDS}
  DEPENDS gencatalogue ${TOLVANE_LAYOUT_EXCEPTIONS} ${TOLVANE_HAND_RECORDS} ${TOLVANE_GEN_DATA}
  COMMENT "Generating the catalogue from the SDK headers")

# A catalogue file built from the schema and one SQL file of rows.
function(tolvane_catalogue out rows comment)
  get_filename_component(folder ${out} DIRECTORY)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND mkcatalogue ${out} ${TOLVANE_SCHEMA} ${rows}
    DEPENDS mkcatalogue ${TOLVANE_SCHEMA} ${rows}
    COMMENT "${comment}")
endfunction()

tolvane_catalogue(${TOLVANE_CATALOGUE} ${TOLVANE_GENERATED_SQL}
                  "Building the default catalogue mdb/winapi.mdb")
tolvane_catalogue(${TOLVANE_STARTER_MDB} ${TOLVANE_STARTER_SQL}
                  "Building the starter catalogue fixture")

add_custom_target(catalogue ALL DEPENDS ${TOLVANE_CATALOGUE} ${TOLVANE_STARTER_MDB})
