#include "c_types.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <set>
#include <string_view>

#include "facts.h"

namespace tolvane::gen {

bool CType::hasName(const std::string& n) const {
    return std::find(names.begin(), names.end(), n) != names.end();
}

namespace {

bool isHandleName(const std::string& n) {
    if (n == "HANDLE" || (n.size() > 7 && n.ends_with("_HANDLE"))) return true;
    if (n.size() < 2 || n[0] != 'H') return false;
    return std::all_of(n.begin(), n.end(), [](unsigned char c) {
        return std::isupper(c) || std::isdigit(c) || c == '_';
    });
}

}  // namespace

CharKind charKind(const CType& t) {
    if (t.kind != Kind::Integer) return CharKind::None;
    if (t.size == 1 && t.builtin == "char") return CharKind::Narrow;
    if (t.size == 2 && (t.hasName("wchar_t") || t.hasName("WCHAR"))) return CharKind::Wide;
    return CharKind::None;
}

CharKind stringKind(const CType& t) {
    if ((t.kind != Kind::Pointer && t.kind != Kind::Array) || !t.target) return CharKind::None;
    return charKind(*t.target);
}

bool isCallback(const CType& t) {
    return t.kind == Kind::Pointer && t.target && t.target->kind == Kind::Function;
}

bool isHandle(const CType& t) {
    if (t.kind != Kind::Pointer || !t.target || isCallback(t)) return false;
    if (std::any_of(t.names.begin(), t.names.end(), isHandleName)) return true;
    const CType& p = *t.target;
    if (p.kind != Kind::Record) return false;
    return p.isInterface || !p.complete || p.record.ends_with("__");
}

bool isPointerSized(const CType& t) {
    static constexpr std::string_view kNames[] = {
        "INT_PTR", "UINT_PTR", "LONG_PTR", "ULONG_PTR", "DWORD_PTR", "SIZE_T",
        "SSIZE_T", "size_t",   "ssize_t",  "ptrdiff_t", "intptr_t",  "uintptr_t",
        "WPARAM",  "LPARAM",   "LRESULT",  "KAFFINITY"};
    if (t.kind != Kind::Integer) return false;
    return std::any_of(t.names.begin(), t.names.end(), [](const std::string& n) {
        return std::find(std::begin(kNames), std::end(kNames), n) != std::end(kNames);
    });
}

bool pointsToPointerSized(const CType& t) {
    static constexpr std::string_view kNames[] = {"PINT_PTR",   "PUINT_PTR",  "PLONG_PTR",
                                                  "PULONG_PTR", "PDWORD_PTR", "PSIZE_T",
                                                  "PSSIZE_T",   "PKAFFINITY"};
    if (t.kind != Kind::Pointer || !t.target) return false;
    if (isPointerSized(*t.target)) return true;
    return std::any_of(t.names.begin(), t.names.end(), [](const std::string& n) {
        return std::find(std::begin(kNames), std::end(kNames), n) != std::end(kNames);
    });
}

bool isBinaryBuffer(const Param& p) {
    return stringKind(*p.type) == CharKind::Narrow && parameterFact("*", p.name, "bytes");
}

bool isReservedPointer(const Param& p) {
    const bool pointer = p.type->kind == Kind::Pointer || p.type->kind == Kind::Array;
    std::string name = p.name;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return pointer && !isCallback(*p.type) && name.find("reserved") != std::string::npos;
}

bool isBstr(const CType& t) { return t.kind == Kind::Pointer && t.hasName("BSTR"); }

namespace {

bool variableLength(const Record& r) {
    if (r.isUnion || r.fields.empty()) return false;
    const CType& last = *r.fields.back().type;
    if (last.kind == Kind::Array) return last.count <= 1;
    return last.kind == Kind::Record && last.body && variableLength(*last.body);
}

}  // namespace

bool passedByPointer(const CType& record) {
    if (record.kind != Kind::Record || !record.complete) return false;
    return structureFact(record.record, "kept") || structureFact(record.record, "longer") ||
           (record.body && variableLength(*record.body));
}

bool isBool(const CType& t) {
    return t.kind == Kind::Integer && t.size == 4 && (t.hasName("BOOL") || t.hasName("WINBOOL"));
}

bool isInt64(const CType& t) {
    if (t.kind == Kind::Integer) return t.size == 8;
    return t.kind == Kind::Record && (t.record == "LARGE_INTEGER" || t.record == "ULARGE_INTEGER");
}

bool isNamedRecord(const CType& t) {
    return t.kind == Kind::Record && !t.record.empty() && t.complete && !t.isInterface &&
           !isInt64(t);
}

const CType& arrayElement(const CType& t, long long& count) {
    const CType* e = &t;
    count = 1;
    while (e->kind == Kind::Array && e->target) {
        count *= e->count;
        e = e->target.get();
    }
    return *e;
}

}  // namespace tolvane::gen
