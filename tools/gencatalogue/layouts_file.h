#pragma once
// clang's layouts of the catalogue's structures, as the generator writes them
// beside the SQL for the layout checks, and the reviewed list of records
// whose declaration cannot match C on one target.
//
// Layout file, one line per structure and form:
//   NAME TAB form TAB size [TAB member=offset+size]...
// form: vb32 (the VB Type against the 32-bit layout), vba64 (the 64-bit
// VBA Type against the 64-bit layout), cs32 and cs64 (the C# struct against
// the 32-bit and 64-bit layouts); members under the
// identifier the form gives them.
// form x64call: a function's 64-bit prototype as the x64 calling
// convention passes it, for the 64-bit VBA Declare: size is the result's
// (0 for void), each member a parameter by its VB name, "offset" the size
// of what a pointer parameter points to (0 when unknown or not a pointer)
// and size the bytes passed (8 for a pointer, and for a structure that is
// not 1, 2, 4 or 8 bytes long, which goes by a pointer to a copy).
// Exceptions file: NAME TAB form TAB reason (Chinese); '#' starts a comment;
// form as above, or mono for a difference of the mono runtime alone.
#include <iosfwd>
#include <string>
#include <vector>

#include "c_model.h"

namespace tolvane::gen {

struct MemberAt {
    std::string name;
    long long offset = 0;
    long long size = 0;
    bool repeated = false;  // a name C gives twice, written "name=offset+size*"
};

struct CLayout {
    std::string type, form;
    long long size = 0;
    std::vector<MemberAt> members;
};

// The layout of `r` with its members named for the VB Type or the C# struct;
// `like` as for sequentialMembers.
CLayout cLayout(const std::string& type, const std::string& form, const Record& r,
                const Record* like = nullptr);

// The x64call line of a function declared under `name`.
CLayout x64Call(const std::string& name, const Function& f);

void writeLayouts(std::ostream& out, const std::vector<CLayout>& layouts);
std::vector<CLayout> readLayouts(std::istream& in);

struct LayoutException {
    std::string type, form, reason;
};

std::vector<LayoutException> readExceptions(std::istream& in);

// The explain text for a record's exceptions, "" when it has none.
std::string exceptionNote(const std::vector<LayoutException>& all, const std::string& type);

}  // namespace tolvane::gen
