#pragma once
// The category (class 2 to 16) a function is catalogued under, from an
// ordered rule table over its DLL, header and name; the first rule that
// matches decides, and a function no rule matches is uncategorised (2).
#include <string>
#include <vector>

namespace tolvane::gen {

struct CategoryRule {
    int category;
    const char* dll;     // ECMAScript regex over the DLL file name, or ""
    const char* header;  // regex over the header file name, or ""
    const char* name;    // regex searched in the catalogue name, or ""
};

// The rule table in the order it is applied.
const std::vector<CategoryRule>& categoryRules();

int categoryOf(const std::string& name, const std::string& header, const std::string& dll);

}  // namespace tolvane::gen
