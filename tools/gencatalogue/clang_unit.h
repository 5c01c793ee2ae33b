#pragma once
// libclang plumbing shared by the header reader and the macro evaluator.
#include <clang-c/Index.h>

#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "clang_reader.h"

namespace tolvane::gen {

inline std::string take(CXString s) {
    const char* c = clang_getCString(s);
    std::string out = c ? c : "";
    clang_disposeString(s);
    return out;
}

class Unit {
public:
    Unit(const ParseSettings& s, const std::string& extra) : index_(clang_createIndex(0, 0)) {
        source_ = "";
        // An entry beginning with "#" is a directive a header needs before it
        // (#define SECURITY_WIN32 before sspi.h).
        for (const std::string& h : s.headers)
            source_ += (h.starts_with("#") ? h : "#include <" + h + ">") + "\n";
        source_ += s.extraSource;
        source_ += extra;
        const std::vector<std::string> args = {"-x",
                                               "c",
                                               "-std=gnu11",
                                               "-target",
                                               s.target,
                                               "-nostdlibinc",
                                               "-resource-dir",
                                               s.resourceDir,
                                               "-isystem",
                                               s.includeDir,
                                               "-D_WIN32_WINNT=" + s.version,
                                               "-DWINVER=" + s.version,
                                               "-D_WIN32_IE=" + ieFor(s.version),
                                               "-ferror-limit=0"};
        std::vector<const char*> argv;
        for (const std::string& a : args) argv.push_back(a.c_str());
        CXUnsavedFile file{kFileName, source_.c_str(), static_cast<unsigned long>(source_.size())};
        const unsigned options = CXTranslationUnit_DetailedPreprocessingRecord |
                                 CXTranslationUnit_SkipFunctionBodies | CXTranslationUnit_KeepGoing;
        if (clang_parseTranslationUnit2(index_, kFileName, argv.data(),
                                        static_cast<int>(argv.size()), &file, 1, options,
                                        &tu_) != CXError_Success)
            throw std::runtime_error("libclang could not parse the headers");
    }
    ~Unit() {
        if (tu_) clang_disposeTranslationUnit(tu_);
        clang_disposeIndex(index_);
    }
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;

    CXTranslationUnit tu() const { return tu_; }

    std::vector<CXCursor> topLevel() const {
        std::vector<CXCursor> out;
        clang_visitChildren(
            clang_getTranslationUnitCursor(tu_),
            [](CXCursor c, CXCursor, CXClientData data) {
                static_cast<std::vector<CXCursor>*>(data)->push_back(c);
                return CXChildVisit_Continue;
            },
            &out);
        return out;
    }

private:
    static constexpr const char* kFileName = "tolvane_catalogue.c";

    // The Internet Explorer level that came with each Windows version.
    static std::string ieFor(const std::string& version) {
        if (version == "0x0400") return "0x0400";
        if (version == "0x0501" || version == "0x0502") return "0x0600";
        if (version == "0x0600") return "0x0700";
        if (version == "0x0601") return "0x0800";
        if (version == "0x0602" || version == "0x0603") return "0x0A00";
        return version;
    }

    CXIndex index_;
    CXTranslationUnit tu_ = nullptr;
    std::string source_;
};

inline std::vector<CXCursor> children(CXCursor parent) {
    std::vector<CXCursor> out;
    clang_visitChildren(
        parent,
        [](CXCursor c, CXCursor, CXClientData data) {
            static_cast<std::vector<CXCursor>*>(data)->push_back(c);
            return CXChildVisit_Continue;
        },
        &out);
    return out;
}

inline unsigned offsetOf(CXSourceLocation loc, CXFile* file = nullptr) {
    unsigned offset = 0;
    clang_getExpansionLocation(loc, file, nullptr, nullptr, &offset);
    return offset;
}

// A declaration's identity across the unit (its canonical USR).
inline std::string usrOf(CXCursor c) {
    return take(clang_getCursorUSR(clang_getCanonicalCursor(c)));
}

// The names typedefs give the structures or enumerations (`kind`:
// CXType_Record, CXType_Enum) they are written with, by the declaration's
// USR: the first typedef of each (RECT, not LPRECT).
inline std::map<std::string, std::string> typedefNames(const std::vector<CXCursor>& top,
                                                       CXTypeKind kind) {
    std::map<std::string, std::string> out;
    for (CXCursor c : top) {
        if (c.kind != CXCursor_TypedefDecl) continue;
        CXType under = clang_getTypedefDeclUnderlyingType(c);
        if (under.kind != CXType_Elaborated) continue;
        CXType named = clang_Type_getNamedType(under);
        if (named.kind != kind) continue;
        out.try_emplace(usrOf(clang_getTypeDeclaration(named)), take(clang_getCursorSpelling(c)));
    }
    return out;
}

inline bool isRecordDecl(CXCursor c) {
    return c.kind == CXCursor_StructDecl || c.kind == CXCursor_UnionDecl;
}

// Which header a cursor comes from: its path below the include folder, or ""
// for anything else (clang's own headers, the generated source).
class Headers {
public:
    explicit Headers(std::string includeDir) : prefix_(std::move(includeDir) + "/") {}

    const std::string& of(CXCursor c) {
        CXFile file = nullptr;
        offsetOf(clang_getCursorLocation(c), &file);
        auto [it, fresh] = cache_.try_emplace(file);
        if (fresh && file) {
            std::string path = take(clang_getFileName(file));
            if (path.starts_with(prefix_)) it->second = path.substr(prefix_.size());
        }
        return it->second;
    }

private:
    std::string prefix_;
    std::unordered_map<CXFile, std::string> cache_;
};

// The object-like macros that the headers below the include folder define
// (names beginning "__" left out), by name, each read by `readBody(cursor,
// candidate)` into a Candidate that has name, header and body. A later
// definition replaces an earlier one; one whose body is refused drops the name.
template <class Candidate, class ReadBody>
std::map<std::string, Candidate> macroCandidates(const ParseSettings& settings,
                                                 const std::vector<CXCursor>& top,
                                                 ReadBody readBody) {
    Headers headers(settings.includeDir);
    std::map<std::string, Candidate> byName;
    for (CXCursor c : top) {
        if (c.kind != CXCursor_MacroDefinition || clang_Cursor_isMacroFunctionLike(c)) continue;
        const std::string& header = headers.of(c);
        if (header.empty()) continue;
        Candidate candidate{};
        candidate.name = take(clang_getCursorSpelling(c));
        candidate.header = header;
        if (candidate.name.starts_with("__")) continue;
        if (readBody(c, candidate))
            byName[candidate.name] = std::move(candidate);
        else
            byName.erase(candidate.name);
    }
    return byName;
}

// The integer macros of a parsed unit, evaluated by clang in a second parse.
std::vector<Constant> integerMacros(const ParseSettings& settings, const Unit& unit,
                                    const std::vector<CXCursor>& top);

struct Enumerations {
    std::vector<Enumeration> enumerations;  // the named ones
    std::vector<Constant> constants;        // every enumerator
};

// The enumerations the headers below the include folder define.
Enumerations readEnumerations(CXTranslationUnit tu, const std::vector<CXCursor>& top,
                              Headers& headers);

// The string macros of a parsed unit (printable ASCII texts only).
std::vector<Constant> stringMacros(const ParseSettings& settings, const Unit& unit,
                                   const std::vector<CXCursor>& top);

}  // namespace tolvane::gen
