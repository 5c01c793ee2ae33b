#pragma once
// The writers of the three parts of a function's usage sample.
#include <string>

#include "c_model.h"
#include "declared_forms.h"
#include "error_report.h"
#include "sample_code.h"
#include "type_names.h"
#include "vb_dialect.h"

namespace tolvane::gen {

// The length every sample's text buffers are given, as the samples write it.
inline const std::string kBufferLength = std::to_string(kSampleBufferLength);

// The sample in VB6 or 64-bit VBA: the declared parameters of `d`, planned
// from the C prototype `f` that the declaration was made from; `result`
// names the variable that takes the function's result.
std::string basicSample(const Function& f, const std::string& name, const Declared& d,
                        VbDialect dialect, const TypeNames& names, const ErrorRule& error,
                        const std::string& result);

// The C# sample, for the last declaration of the C# form (the overload that
// takes NULL for optional pointers, where there is one).
std::string csSample(const Function& f, const std::string& name, const Declared& d,
                     const TypeNames& names, const ErrorRule& error, const std::string& result);

}  // namespace tolvane::gen
