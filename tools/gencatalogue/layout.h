#pragma once
// How a C structure is laid out as the flat member list that a VB Type or a
// C# struct can express.
#include <string>
#include <vector>

#include "c_model.h"

namespace tolvane::gen {

struct Member {
    std::string name;
    CTypePtr type;
    long long offset = 0;   // bytes from the start of the record
    bool repeated = false;  // numbered because C has the same name twice
    // The outermost union below the record that this member represents (as
    // its largest member), with the union's offset and member-name prefix.
    const Record* inUnion = nullptr;
    long long unionOffset = 0;
    std::string unionPrefix;
};

// Members in order: anonymous structures are inlined, a union is represented
// by its largest member, consecutive bit fields that share a storage unit
// become one member named after the first of them, repeated names get a
// number appended. `like`, when given, is the same structure as the other
// target lays it out, whose largest union members are taken instead (so that
// the 64-bit VBA Type holds OVERLAPPED's Offset and OffsetHigh, as VB's does).
std::vector<Member> sequentialMembers(const Record& r, const Record* like = nullptr);

// Members of a union, each at its own offset: anonymous structures are
// inlined, nested unions contribute their largest member.
std::vector<Member> overlappingMembers(const Record& r);

// The largest member of a union; of equal sizes the one holding more
// pointers (the largest on 64-bit too), then the first; nullptr when empty.
const Field* largestMember(const Record& r);

}  // namespace tolvane::gen
