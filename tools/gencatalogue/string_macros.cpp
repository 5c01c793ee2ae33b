// Object-like macros that are string constants (SE_SHUTDOWN_NAME,
// WC_BUTTONA): bodies made of string literals, the names of other macros
// and parentheses (TEXT("...")), and the macros that select or name one
// (WC_BUTTON). Narrow strings are
// evaluated by clang in a second parse, which also joins adjacent literals
// and expands the macros; wide ones (L"...") are read from their literals.
// Only texts of printable ASCII characters are kept, which both languages
// write as they are.
#include <map>

#include "clang_unit.h"

namespace tolvane::gen {

namespace {

bool stringLiteral(const std::string& token) {
    return token.starts_with("\"") || token.starts_with("L\"");
}

bool printable(const std::string& text) {
    for (char c : text)
        if (c < 0x20 || c > 0x7e) return false;
    return true;
}

// The text of adjacent L"..." literals with simple escapes; false for
// anything else.
bool wideText(const std::vector<std::string>& tokens, std::string& out) {
    out.clear();
    for (const std::string& t : tokens) {
        if (!t.starts_with("L\"") || !t.ends_with("\"") || t.size() < 3) return false;
        for (size_t i = 2; i + 1 < t.size(); ++i) {
            char c = t[i];
            if (c == '\\') {
                if (i + 2 >= t.size()) return false;
                c = t[++i];
                if (c != '\\' && c != '"' && c != '\'') return false;
            }
            out += c;
        }
    }
    return true;
}

struct Candidate {
    std::string name, header, body;
    std::vector<std::string> tokens;
    bool literal = false;  // holds a string literal itself
};

// A body without a literal of its own that stands for a string macro: the
// TCHAR selection of the ANSI or Unicode twin (WC_BUTTON is
// __MINGW_NAME_AW(WC_BUTTON)), or the name of another string macro.
bool refersToString(const Candidate& c, const std::map<std::string, Candidate>& all) {
    if (c.body.starts_with("__MINGW_NAME_AW(") || c.body.starts_with("__MINGW_NAME_UAW("))
        return true;
    if (c.tokens.size() != 1) return false;
    auto it = all.find(c.tokens[0]);
    return it != all.end() && it->second.literal;
}

bool candidateBody(CXTranslationUnit tu, CXCursor macro, Candidate& c) {
    CXToken* tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu, clang_getCursorExtent(macro), &tokens, &count);
    bool ok = count > 1;
    for (unsigned i = 1; ok && i < count; ++i) {
        const CXTokenKind kind = clang_getTokenKind(tokens[i]);
        const std::string text = take(clang_getTokenSpelling(tu, tokens[i]));
        if (kind == CXToken_Comment) continue;
        if (kind == CXToken_Literal)
            ok = stringLiteral(text), c.literal = true;
        else if (kind == CXToken_Punctuation)
            ok = text == "(" || text == ")";
        else
            ok = kind == CXToken_Identifier;
        if (!c.body.empty() && kind != CXToken_Punctuation && !c.body.ends_with("(")) c.body += ' ';
        c.body += text;
        c.tokens.push_back(text);
    }
    clang_disposeTokens(tu, tokens, count);
    return ok;
}

}  // namespace

std::vector<Constant> stringMacros(const ParseSettings& settings, const Unit& unit,
                                   const std::vector<CXCursor>& top) {
    const auto byName = macroCandidates<Candidate>(
        settings, top,
        [&](CXCursor c, Candidate& candidate) { return candidateBody(unit.tu(), c, candidate); });
    std::vector<const Candidate*> order;
    std::string probes;
    for (const auto& [name, c] : byName) {
        if (!c.literal && !refersToString(c, byName)) continue;
        probes += "static __typeof__(&(" + name + ")[0]) const tolvane_s" +
                  std::to_string(order.size()) + " = " + name + ";\n";
        order.push_back(&c);
    }
    std::vector<Constant> out;
    auto add = [&](const Candidate& cand, const std::string& text) {
        if (!printable(text)) return;
        Constant k;
        k.name = cand.name;
        k.header = cand.header;
        k.body = cand.body;
        k.isString = true;
        k.text = text;
        out.push_back(std::move(k));
    };
    Unit probe(settings, probes);
    for (CXCursor c : probe.topLevel()) {
        if (c.kind != CXCursor_VarDecl || clang_isInvalidDeclaration(c)) continue;
        const std::string name = take(clang_getCursorSpelling(c));
        if (!name.starts_with("tolvane_s")) continue;
        const Candidate& cand = *order[std::stoul(name.substr(9))];
        const CXType pointer = clang_getCanonicalType(clang_getCursorType(c));
        const CXType element = clang_getCanonicalType(clang_getPointeeType(pointer));
        if (element.kind != CXType_Char_S && element.kind != CXType_Char_U) {
            std::string text;
            if (wideText(cand.tokens, text)) add(cand, text);
            continue;
        }
        CXEvalResult result = clang_Cursor_Evaluate(c);
        if (!result) continue;
        if (clang_EvalResult_getKind(result) == CXEval_StrLiteral)
            add(cand, clang_EvalResult_getAsStr(result));
        clang_EvalResult_dispose(result);
    }
    return out;
}

}  // namespace tolvane::gen
