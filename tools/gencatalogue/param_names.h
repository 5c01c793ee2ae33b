#pragma once
// Names for the parameters a header leaves unnamed (GetOpenFileName's
// LPOPENFILENAMEA), derived from their types in the usual Hungarian style:
// lp + the structure's name for a pointer to a structure, h... for handles,
// lpfn... for callbacks, lpsz... for strings, dw.../n... for integers.
#include <string>
#include <vector>

#include "c_model.h"
#include "type_names.h"

namespace tolvane::gen {

// The name one unnamed parameter of type `t` takes before it is made unique.
std::string hungarianName(const CType& t, const TypeNames& names);

// The function with every parameter named: unnamed ones get their
// documented names (data/parameter_names.tsv, by the catalogue name), else
// their Hungarian name, followed by 2, 3 ... where the declaration already
// has it (compared without case, as VB compares names).
Function withParameterNames(const Function& f, const TypeNames& names,
                            const std::string& catalogueName = {});

}  // namespace tolvane::gen
