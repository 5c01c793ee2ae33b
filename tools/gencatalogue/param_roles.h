#pragma once
// The roles of a function's parameters (c_model.h) from the reviewed facts
// of data/parameters.tsv and data/structures.tsv: which pointers may be
// NULL, which carry an address as a value, which receive a variable-length
// result and which hand back a pointer the API owns.
#include <string>

#include "c_model.h"

namespace tolvane::gen {

// `f` with its parameters' roles set; `name` is the catalogue name (the
// generic name of a pair), by which the facts know the function.
Function withRoles(Function f, const std::string& name);

}  // namespace tolvane::gen
