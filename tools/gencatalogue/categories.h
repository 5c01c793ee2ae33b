#pragma once
// The category (class 2 to 16) a function is catalogued under, from the
// ordered rule table data/categories.tsv over its DLL, header and name; the
// first rule that matches decides, and a function no rule matches is
// uncategorised (2).
#include <string>

namespace tolvane::gen {

int categoryOf(const std::string& name, const std::string& header, const std::string& dll);

}  // namespace tolvane::gen
