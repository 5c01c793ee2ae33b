#pragma once

#include "core/store/search_parts.h"

namespace tolvane {

// The name search as the window's lists set it: the records whose name
// contains `pattern`, of the class the category list's position filters on
// (none for "所有分类"), and with libsclass equal to the DLL entry's text
// exactly as listed (none for position 0).
SearchRequest nameSearch(const QString& pattern, int categoryPosition, int dllPosition,
                         const QString& dllText);

// The full-text search: the records in which any searchable column contains
// `pattern`.
SearchRequest fullTextSearch(const QString& pattern);

}  // namespace tolvane
