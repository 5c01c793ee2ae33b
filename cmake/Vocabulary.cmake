# Compiles data/vocabulary.txt into a header, generated/vocabulary_data.h,
# that the program and the catalogue generator both include: one list of
# categories and DLLs, read at configure time (and again whenever it changes).
set(TOLVANE_VOCABULARY ${CMAKE_CURRENT_SOURCE_DIR}/data/vocabulary.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TOLVANE_VOCABULARY})

file(STRINGS ${TOLVANE_VOCABULARY} _lines ENCODING UTF-8)
set(_section "")
set(_categories "")
set(_dlls "")
foreach(_line IN LISTS _lines)
  string(STRIP "${_line}" _line)
  if(_line STREQUAL "" OR _line MATCHES "^#")
    continue()
  endif()
  if(_line MATCHES "^\\[(.*)\\]$")
    set(_section "${CMAKE_MATCH_1}")
    continue()
  endif()
  if(_line MATCHES "[\"\\\\]")
    message(FATAL_ERROR "${TOLVANE_VOCABULARY}: no quote or backslash allowed: ${_line}")
  endif()
  if(_section STREQUAL "categories")
    if(NOT _line MATCHES "^([a-z-]+) (.+)$")
      message(FATAL_ERROR "${TOLVANE_VOCABULARY}: a category is a key and a text: ${_line}")
    endif()
    string(APPEND _categories "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\"},\n")
  elseif(_section STREQUAL "dlls")
    string(APPEND _dlls "    \"${_line}\",\n")
  else()
    message(FATAL_ERROR "${TOLVANE_VOCABULARY}: entry outside [categories] or [dlls]: ${_line}")
  endif()
endforeach()

set(TOLVANE_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/generated/include)
file(CONFIGURE OUTPUT ${TOLVANE_GENERATED_INCLUDE}/vocabulary_data.h CONTENT
"// Generated from data/vocabulary.txt by cmake/Vocabulary.cmake.
#pragma once

namespace tolvane::vocabulary_data {

struct Category {
    const char* key;
    const char* text;  // UTF-8
};

inline constexpr Category kCategories[] = {
${_categories}};

inline constexpr const char* kDlls[] = {
${_dlls}};

}  // namespace tolvane::vocabulary_data
" @ONLY)
