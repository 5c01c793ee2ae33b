#pragma once
// The recode column: a short usage sample for a function, VB first, then
// C#. Each declares a variable of the declared type for every parameter,
// gives an output text or byte buffer room where a length parameter stands
// beside it (and sets that length to the buffer's size), sets the size member of a
// structure whose first member holds its size, calls the function and,
// where the error rules say how it reports failure, checks the result.
#include <string>

#include "c_model.h"
#include "error_report.h"
#include "type_names.h"

namespace tolvane::gen {

// Characters every sample's text buffers hold (MAX_PATH).
inline constexpr int kSampleBufferLength = 260;

struct SampleInput {
    const Function& vb;     // the prototype the VB form declares (ANSI half of a pair)
    const Function& cs;     // the prototype the C# form declares
    std::string vbDeclare;  // the row's declarations
    std::string csDeclare;
    ErrorRule error;
};

// "" when a declaration cannot be read back (never for generated ones).
std::string sampleCode(const SampleInput& in, const TypeNames& names);

// Whether a structure's first member holds the structure's size: an integer
// with one of the names the headers give such members (cbSize, cb, dwSize,
// lStructSize, nLength, dwLength, dwOSVersionInfoSize, biSize, ...).
bool isSizeMember(const Field& first);

// The parameter beside `index` that gives the length of an output text or
// byte buffer at `index`: an integer or a pointer to one whose name speaks of a size,
// length, count or maximum; -1 when there is none.
int lengthPartner(const Function& f, int index);

}  // namespace tolvane::gen
