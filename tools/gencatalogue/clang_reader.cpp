#include "clang_reader.h"

#include <map>
#include <memory>

#include "clang_unit.h"
#include "declaration_reader.h"

namespace tolvane::gen {

ParseResult readHeaders(const ParseSettings& settings) {
    Unit unit(settings, "");
    ParseResult result;
    const unsigned diagnostics = clang_getNumDiagnostics(unit.tu());
    for (unsigned i = 0; i < diagnostics; ++i) {
        CXDiagnostic d = clang_getDiagnostic(unit.tu(), i);
        if (clang_getDiagnosticSeverity(d) >= CXDiagnostic_Error) {
            if (result.errors++ < 5)
                result.firstErrors.push_back(
                    take(clang_formatDiagnostic(d, clang_defaultDiagnosticDisplayOptions())));
        }
        clang_disposeDiagnostic(d);
    }
    struct Included {
        std::string prefix;
        std::set<std::string>* headers;
    } included{settings.includeDir + "/", &result.included};
    clang_getInclusions(
        unit.tu(),
        [](CXFile file, CXSourceLocation*, unsigned, CXClientData data) {
            auto* in = static_cast<Included*>(data);
            const std::string path = take(clang_getFileName(file));
            if (path.starts_with(in->prefix)) in->headers->insert(path.substr(in->prefix.size()));
        },
        &included);
    const std::vector<CXCursor> top = unit.topLevel();
    DeclarationReader reader(settings.includeDir);
    reader.nameRecords(top);
    reader.read(top, result.declarations);
    result.declarations.constants = integerMacros(settings, unit, top);
    for (Constant& c : stringMacros(settings, unit, top))
        result.declarations.constants.push_back(std::move(c));
    Headers headers(settings.includeDir);
    Enumerations enums = readEnumerations(unit.tu(), top, headers);
    for (Constant& c : enums.constants) result.declarations.constants.push_back(std::move(c));
    result.declarations.enumerations = std::move(enums.enumerations);
    return result;
}

namespace {

// The structures and functions the 64-bit headers give a 32-bit name by a
// macro (#define IMAGEHLP_LINE IMAGEHLP_LINE64, #define StackWalk
// StackWalk64): a 64-bit program that writes the name gets the target.
void renamedOn64Bits(const Unit& unit, const std::vector<CXCursor>& top, Headers& headers,
                     Declarations& d) {
    for (CXCursor c : top) {
        if (c.kind != CXCursor_MacroDefinition || clang_Cursor_isMacroFunctionLike(c) ||
            headers.of(c).empty())
            continue;
        CXToken* tokens = nullptr;
        unsigned count = 0;
        clang_tokenize(unit.tu(), clang_getCursorExtent(c), &tokens, &count);
        if (count == 2 && clang_getTokenKind(tokens[1]) == CXToken_Identifier) {
            const std::string name = take(clang_getTokenSpelling(unit.tu(), tokens[0]));
            const std::string target = take(clang_getTokenSpelling(unit.tu(), tokens[1]));
            if (auto r = d.records64.find(target); r != d.records64.end())
                d.records64.emplace(name, r->second);
            if (auto f = d.functions64.find(target); f != d.functions64.end())
                d.functions64.emplace(name, f->second);
        }
        clang_disposeTokens(unit.tu(), tokens, count);
    }
}

}  // namespace

void read64Bit(const ParseSettings& settings, Declarations& d) {
    Unit unit(settings, "");
    const std::vector<CXCursor> top = unit.topLevel();
    DeclarationReader reader(settings.includeDir);
    reader.nameRecords(top);
    Declarations read;
    reader.read(top, read);
    for (auto& r : read.records) d.records64.emplace(r->name, std::move(r));
    for (Function& f : read.functions) d.functions64.emplace(f.name, std::move(f));
    Headers headers(settings.includeDir);
    renamedOn64Bits(unit, top, headers, d);
    for (Typedef& t : read.typedefs) d.typedefs64.emplace(t.name, std::move(t));
    d.constants64 = integerMacros(settings, unit, top);
    for (Constant& c : readEnumerations(unit.tu(), top, headers).constants)
        d.constants64.push_back(std::move(c));
}

std::set<std::string> declaredNames(const ParseSettings& settings) {
    Unit unit(settings, "");
    Headers headers(settings.includeDir);
    std::set<std::string> out;
    for (CXCursor c : unit.topLevel()) {
        if (c.kind != CXCursor_FunctionDecl && c.kind != CXCursor_TypedefDecl &&
            c.kind != CXCursor_MacroDefinition && !isRecordDecl(c))
            continue;
        if (headers.of(c).empty()) continue;
        out.insert(take(clang_getCursorSpelling(c)));
    }
    for (const Constant& c : readEnumerations(unit.tu(), unit.topLevel(), headers).constants)
        out.insert(c.name);
    return out;
}

}  // namespace tolvane::gen
