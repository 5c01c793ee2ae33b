#pragma once
// The forms of a named enumeration's type record: a VB and 64-bit VBA Enum
// and a C# enum holding its enumerators with their values (the constant
// records give each one alone), and an explain naming them and saying how
// VB and C# pass the enumeration.
#include <string>
#include <vector>

#include "c_model.h"

namespace tolvane::gen {

struct EnumForms {
    std::string vb, vba64, csharp, explain;
};

// `members` are the enumerators in the header's order; empty forms when
// there are none.
EnumForms enumForms(const Enumeration& e, const std::vector<const Constant*>& members);

}  // namespace tolvane::gen
