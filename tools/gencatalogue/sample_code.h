#pragma once
// The recode column: a short usage sample for a function in VB6, in 64-bit
// VBA and in C#, each a call that follows the function's documented
// contract (sample_plan.h): NULL (ByVal 0& / ByVal 0^ / IntPtr.Zero or
// vbNullString / null) for optional pointers, room for output texts and
// bytes with their length set, a first call for the size of a
// variable-length result, a structure's size set where it or a parameter
// holds it, and, where the error rules say how the function reports
// failure, a test of the result.
#include <string>

#include "c_model.h"
#include "error_report.h"
#include "type_names.h"

namespace tolvane::gen {

// Characters every sample's text buffers hold (MAX_PATH).
inline constexpr int kSampleBufferLength = 260;

struct SampleInput {
    std::string name;       // the catalogue name, by which the facts know the function
    const Function& vb;     // the prototype the VB form declares (ANSI half of a pair)
    const Function& vba64;  // the prototype the 64-bit VBA form declares
    const Function& cs;     // the prototype the C# form declares
    std::string vbDeclare;  // the row's declarations
    std::string vba64Declare;
    std::string csDeclare;
    ErrorRule error;
};

// "" when a declaration cannot be read back (never for generated ones); the
// 64-bit VBA part is left out when that form is no Declare.
std::string sampleCode(const SampleInput& in, const TypeNames& names);

}  // namespace tolvane::gen
