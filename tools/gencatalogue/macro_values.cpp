// Object-like macros that are integer expressions, evaluated by clang: every
// candidate becomes two declarations in a second parse of the same headers,
// one giving the expression's type and one its value as a long long. Bodies
// that cannot be expressions (braces, statements, strings, keywords other
// than type words and sizeof) are not tried.
#include <iterator>
#include <map>
#include <string_view>

#include "clang_unit.h"

namespace tolvane::gen {

namespace {

struct Candidate {
    std::string name, header, body;
    bool hex = false;
};

bool allowedKeyword(const std::string& w) {
    static constexpr std::string_view kWords[] = {"sizeof", "unsigned", "signed", "int", "long",
                                                  "short",  "char",     "const",  "void"};
    for (std::string_view k : kWords)
        if (w == k) return true;
    return false;
}

bool allowedPunctuation(const std::string& p) {
    static constexpr std::string_view kOps[] = {"(",  ")",  "+",  "-",  "*",  "/", "%", "<<",
                                                ">>", "&",  "|",  "^",  "~",  "!", "<", ">",
                                                "<=", ">=", "==", "!=", "&&", "||"};
    for (std::string_view k : kOps)
        if (p == k) return true;
    return p == "?" || p == ":";
}

bool wordLike(CXTokenKind k) {
    return k == CXToken_Identifier || k == CXToken_Keyword || k == CXToken_Literal;
}

// The macro's body if it can be an integer expression, else nullopt-like "".
bool candidateBody(CXTranslationUnit tu, CXCursor macro, Candidate& c) {
    CXToken* tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu, clang_getCursorExtent(macro), &tokens, &count);
    bool ok = count > 1;
    int depth = 0;
    CXTokenKind previous = CXToken_Punctuation;
    for (unsigned i = 1; ok && i < count; ++i) {
        const CXTokenKind kind = clang_getTokenKind(tokens[i]);
        const std::string text = take(clang_getTokenSpelling(tu, tokens[i]));
        switch (kind) {
        case CXToken_Punctuation:
            ok = allowedPunctuation(text);
            depth += text == "(" ? 1 : text == ")" ? -1 : 0;
            ok = ok && depth >= 0;
            break;
        case CXToken_Keyword: ok = allowedKeyword(text); break;
        case CXToken_Literal:
            ok = !text.empty() &&
                 (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '\'');
            if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
                c.hex = true;
            break;
        case CXToken_Identifier: break;
        case CXToken_Comment: continue;
        }
        if (wordLike(kind) && wordLike(previous)) c.body += ' ';
        c.body += text;
        previous = kind;
    }
    clang_disposeTokens(tu, tokens, count);
    return ok && depth == 0;
}

struct ValueType {
    bool ok = false;
    int bytes = 4;
    bool isUnsigned = false;
    bool isPointer = false;
};

ValueType valueType(CXType probe) {
    ValueType v;
    const CXType t = clang_getCanonicalType(clang_getPointeeType(probe));
    switch (t.kind) {
    case CXType_Pointer:
        v.isPointer = true;
        v.bytes = static_cast<int>(clang_Type_getSizeOf(t));
        v.ok = true;
        return v;
    case CXType_Enum: {
        const CXType under =
            clang_getCanonicalType(clang_getEnumDeclIntegerType(clang_getTypeDeclaration(t)));
        v.isUnsigned = under.kind == CXType_UInt || under.kind == CXType_ULong;
        v.ok = true;
        return v;
    }
    case CXType_Char_U:
    case CXType_UChar:
    case CXType_UShort:
    case CXType_UInt:
    case CXType_ULong:
    case CXType_ULongLong: v.isUnsigned = true; [[fallthrough]];
    case CXType_Char_S:
    case CXType_SChar:
    case CXType_Short:
    case CXType_Int:
    case CXType_Long:
    case CXType_LongLong:
    case CXType_WChar:
    case CXType_Char16:
        v.bytes = static_cast<int>(clang_Type_getSizeOf(t));
        v.ok = true;
        return v;
    default: return v;
    }
}

// The value as the macro's own type holds it: 32-bit pointers sign-extended
// (as a Long holds them), narrower integers reduced to their width.
long long normalise(long long value, const ValueType& t) {
    if (t.isPointer && t.bytes == 4) return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (t.bytes >= 8) return value;
    const int bits = t.bytes * 8;
    const unsigned long long mask = (1ULL << bits) - 1;
    unsigned long long v = static_cast<unsigned long long>(value) & mask;
    if (!t.isUnsigned && (v >> (bits - 1))) return static_cast<long long>(v | ~mask);
    return static_cast<long long>(v);
}

}  // namespace

std::vector<Constant> integerMacros(const ParseSettings& settings, const Unit& unit,
                                    const std::vector<CXCursor>& top) {
    const auto byName = macroCandidates<Candidate>(
        settings, top,
        [&](CXCursor c, Candidate& candidate) { return candidateBody(unit.tu(), c, candidate); });
    std::vector<const Candidate*> order;
    std::string probes;
    for (const auto& [name, c] : byName) {
        const std::string n = std::to_string(order.size());
        probes += "static __typeof__((" + name + ")) *tolvane_t" + n + ";\n";
        probes += "static const long long tolvane_v" + n + " = (long long)(" + name + ");\n";
        order.push_back(&c);
    }
    Unit probe(settings, probes);
    std::map<size_t, ValueType> types;
    std::vector<Constant> out;
    for (CXCursor c : probe.topLevel()) {
        if (c.kind != CXCursor_VarDecl || clang_isInvalidDeclaration(c)) continue;
        const std::string name = take(clang_getCursorSpelling(c));
        if (!name.starts_with("tolvane_")) continue;
        const size_t index = std::stoul(name.substr(9));
        if (name[8] == 't') {
            types[index] = valueType(clang_getCursorType(c));
            continue;
        }
        auto type = types.find(index);
        if (type == types.end() || !type->second.ok) continue;
        CXEvalResult result = clang_Cursor_Evaluate(c);
        if (!result) continue;
        if (clang_EvalResult_getKind(result) == CXEval_Int) {
            const long long raw =
                clang_EvalResult_isUnsignedInt(result)
                    ? static_cast<long long>(clang_EvalResult_getAsUnsigned(result))
                    : clang_EvalResult_getAsLongLong(result);
            const Candidate& cand = *order[index];
            Constant k;
            k.name = cand.name;
            k.header = cand.header;
            k.body = cand.body;
            k.hex = cand.hex;
            k.bytes = type->second.bytes;
            k.isUnsigned = type->second.isUnsigned;
            k.isPointer = type->second.isPointer;
            k.value = normalise(raw, type->second);
            out.push_back(std::move(k));
        }
        clang_EvalResult_dispose(result);
    }
    return out;
}

}  // namespace tolvane::gen
