#include "layout.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "c_types.h"

namespace tolvane::gen {

namespace {

// Bytes of pointers and pointer-sized integers in a type: what it grows by
// on 64-bit Windows, where they take 8 bytes instead of 4.
long long pointerBytes(const CType& t) {
    switch (t.kind) {
    case Kind::Pointer: return t.size;
    case Kind::Integer: return isPointerSized(t) ? t.size : 0;
    case Kind::Array: return t.target ? t.count * pointerBytes(*t.target) : 0;
    case Kind::Record: {
        if (!t.body) return 0;
        long long n = 0;
        for (const Field& f : t.body->fields) {
            const long long b = pointerBytes(*f.type);
            n = t.body->isUnion ? std::max(n, b) : n + b;
        }
        return n;
    }
    default: return 0;
    }
}

}  // namespace

const Field* largestMember(const Record& r) {
    const Field* best = nullptr;
    for (const Field& f : r.fields) {
        if (!f.type) continue;
        if (!best || f.type->size > best->type->size ||
            (f.type->size == best->type->size && pointerBytes(*f.type) > pointerBytes(*best->type)))
            best = &f;
    }
    return best;
}

namespace {

const Record* anonymousBody(const CType& t) {
    return t.kind == Kind::Record && t.record.empty() ? t.body.get() : nullptr;
}

void append(const Field& f, const Field* like, const std::string& prefix, long long base,
            std::vector<Member>& out);

// `like`, when given, is the same record as another target lays it out: a
// union is represented by the member that is the largest there, so that both
// targets' Types hold the same members.
void appendRecord(const Record& r, const Record* like, const std::string& prefix, long long base,
                  std::vector<Member>& out) {
    const bool parallel =
        like && like->isUnion == r.isUnion && like->fields.size() == r.fields.size();
    auto likeField = [&](const Field& f) {
        return parallel ? &like->fields[static_cast<size_t>(&f - r.fields.data())] : nullptr;
    };
    if (r.isUnion) {
        const size_t first = out.size();
        const Field* f = largestMember(r);
        if (parallel)
            if (const Field* l = largestMember(*like))
                f = &r.fields[static_cast<size_t>(l - like->fields.data())];
        if (f) append(*f, likeField(*f), prefix, base + f->offset, out);
        for (size_t i = first; i < out.size(); ++i)
            out[i].inUnion = &r, out[i].unionOffset = base, out[i].unionPrefix = prefix;
        return;
    }
    int bitsLeft = 0;
    for (const Field& f : r.fields) {
        if (f.bitWidth >= 0) {
            // A bit field joins the previous unit while it fits in it.
            if (f.bitWidth <= bitsLeft && !out.empty() && out.back().type->size == f.type->size) {
                bitsLeft -= f.bitWidth;
                continue;
            }
            if (f.bitWidth == 0) {
                bitsLeft = 0;
                continue;
            }
            bitsLeft = f.type->size * 8 - f.bitWidth;
        } else {
            bitsLeft = 0;
        }
        append(f, likeField(f), prefix, base + f.offset, out);
    }
}

void append(const Field& f, const Field* like, const std::string& prefix, long long base,
            std::vector<Member>& out) {
    if (const Record* body = anonymousBody(*f.type)) {
        appendRecord(*body, like ? anonymousBody(*like->type) : nullptr,
                     f.name.empty() ? prefix : prefix + f.name + "_", base, out);
        return;
    }
    Member m;
    m.name = prefix + f.name, m.type = f.type, m.offset = base;
    out.push_back(std::move(m));
}

// Numbers repeated names; VB compares names without regard to case.
void numberRepeats(std::vector<Member>& members) {
    std::map<std::string, int> seen;
    std::set<std::string> exact;
    for (Member& m : members) {
        m.repeated = !exact.insert(m.name).second;
        std::string key = m.name;
        std::transform(key.begin(), key.end(), key.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (int n = seen[key]++; n > 0) m.name += std::to_string(n + 1);
    }
}

}  // namespace

std::vector<Member> sequentialMembers(const Record& r, const Record* like) {
    std::vector<Member> out;
    appendRecord(r, like, "", 0, out);
    numberRepeats(out);
    return out;
}

std::vector<Member> overlappingMembers(const Record& r) {
    std::vector<Member> out;
    for (const Field& f : r.fields) append(f, nullptr, "", f.offset, out);
    numberRepeats(out);
    return out;
}

}  // namespace tolvane::gen
