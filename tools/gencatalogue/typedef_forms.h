#pragma once
// The forms of a type record for a typedef of a scalar, a pointer or a handle
// (DWORD, LPCWSTR, HWND): VB has no typedef and C# none that keeps the
// marshalling, so each form is a comment saying how that language declares
// a parameter and a result of the type, by the same maps the functions'
// declarations use; explain gives the C definition, what kind of value it
// is and its size on both targets.
#include <string>

#include "c_model.h"
#include "type_names.h"

namespace tolvane::gen {

struct TypedefForms {
    std::string vb, vba64, csharp, explain;
};

// `t64` is the typedef as the 64-bit headers define it (nullptr when they do
// not). A TCHAR string type (marked so in data/data_types.tsv) is declared
// in C# by the declaration's CharSet. Empty forms for a type no parameter
// can have.
TypedefForms typedefForms(const Typedef& t, const Typedef* t64, const TypeNames& names);

// A typedef the catalogue has a record for: the documented Windows data
// types of data/data_types.tsv, and every handle type DECLARE_HANDLE makes.
bool cataloguedTypedef(const Typedef& t);

}  // namespace tolvane::gen
