#pragma once
// What a usage sample does with each parameter of a function, the same in
// every language: which pointers get NULL, which get a buffer and which
// parameter then gives its length, which buffer takes a variable-length
// result (and so a first call that asks for the size), which structure gets
// its size member or its text buffers set, and which parameter gets a
// structure's size.
#include <string>
#include <vector>

#include "c_model.h"

namespace tolvane::gen {

enum class Use {
    Variable,     // a variable of the declared type, passed as it is
    Null,         // NULL: an optional pointer, or a generic one no length bounds
    NullString,   // a NULL string: an optional text
    TextBuffer,   // room for an output text, its length in `partner`
    ByteBuffer,   // room for output bytes, their count in `partner`
    LengthOf,     // the length of the buffer at `partner`
    SizedBuffer,  // a variable-length result, sized by `sizeIn` and `sizeNeeded`
    SizeOf,       // the size of the structure at `partner`
    Text,         // the text in `text`
};

// The value of `sizeNeeded` when the function's result gives the size needed.
inline constexpr int kResultGivesSize = -2;

struct ParamPlan {
    Use use = Use::Variable;
    int partner = -1;
    int sizeIn = -1, sizeNeeded = -1;  // SizedBuffer: parameter indexes
    // A structure passed by reference: its definition, for its size member
    // and its text buffers.
    const Record* record = nullptr;
    std::string text{};  // Text: what to pass
};

struct SamplePlan {
    std::vector<ParamPlan> params;
    std::vector<int> sized;  // the SizedBuffer parameters
};

// `name` is the catalogue name, by which the facts know the function.
SamplePlan planSample(const Function& f, const std::string& name);

// Whether a structure's first member holds the structure's size: an integer
// with one of the names the headers give such members (cbSize, cb, dwSize,
// lStructSize, nLength, dwLength, dwOSVersionInfoSize, biSize, ...).
bool isSizeMember(const Field& first);

// The parameter beside `index` that gives the length of an output text or
// byte buffer at `index`: an integer or a pointer to one whose name speaks
// of a size, length, count, maximum or bytes; -1 when there is none.
int lengthPartner(const Function& f, int index);

// The pairs of members of `r` that a caller fills with a text buffer and its
// length (OPENFILENAME's lpstrFile and nMaxFile): a pointer to text followed
// by an integer whose name begins with nMax or cch; as positions in
// sequentialMembers(r).
std::vector<std::pair<int, int>> memberBuffers(const Record& r);

}  // namespace tolvane::gen
