#include "type_names.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "c_types.h"

namespace tolvane::gen {

std::string TypeNames::of(const CType& t, Half unfit) const {
    if (!isNamedRecord(t)) return {};
    auto it = names_.find(t.record);
    return it == names_.end() || it->second.half == unfit ? std::string() : it->second.name;
}

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Words VB6 reserves, in lower case; words that are keywords only in one
// statement's context (Text, Binary, Compare, Alias ...) stay usable.
bool isVbKeyword(const std::string& name) {
    static const std::set<std::string> kWords = {
        "addressof", "and",        "any",      "as",     "boolean", "byref",    "byte",
        "byval",     "call",       "case",     "close",  "const",   "currency", "date",
        "debug",     "decimal",    "declare",  "defint", "deflng",  "dim",      "do",
        "double",    "each",       "else",     "elseif", "empty",   "end",      "enum",
        "eqv",       "erase",      "error",    "event",  "exit",    "false",    "for",
        "friend",    "function",   "get",      "global", "gosub",   "goto",     "if",
        "imp",       "implements", "in",       "input",  "integer", "is",       "len",
        "let",       "lib",        "like",     "line",   "lock",    "long",     "loop",
        "lset",      "me",         "mod",      "name",   "new",     "next",     "not",
        "nothing",   "null",       "object",   "on",     "open",    "option",   "optional",
        "or",        "paramarray", "preserve", "print",  "private", "property", "public",
        "put",       "raiseevent", "redim",    "rem",    "resume",  "return",   "rset",
        "seek",      "select",     "set",      "single", "spc",     "static",   "step",
        "stop",      "string",     "sub",      "tab",    "then",    "to",       "true",
        "type",      "typeof",     "unlock",   "until",  "variant", "wend",     "while",
        "with",      "withevents", "write",    "xor"};
    return kWords.count(lower(name)) != 0;
}

bool isCsKeyword(const std::string& name) {
    static const std::set<std::string> kWords = {
        "abstract", "as",         "base",    "bool",     "break",     "byte",     "case",
        "catch",    "char",       "checked", "class",    "const",     "continue", "decimal",
        "default",  "delegate",   "do",      "double",   "else",      "enum",     "event",
        "explicit", "extern",     "false",   "finally",  "fixed",     "float",    "for",
        "foreach",  "goto",       "if",      "implicit", "in",        "int",      "interface",
        "internal", "is",         "lock",    "long",     "namespace", "new",      "null",
        "object",   "operator",   "out",     "override", "params",    "private",  "protected",
        "public",   "readonly",   "ref",     "return",   "sbyte",     "sealed",   "short",
        "sizeof",   "stackalloc", "static",  "string",   "struct",    "switch",   "this",
        "throw",    "true",       "try",     "typeof",   "uint",      "ulong",    "unchecked",
        "unsafe",   "ushort",     "using",   "virtual",  "void",      "volatile", "while"};
    return kWords.count(name) != 0;
}

}  // namespace

std::string vbIdentifier(const std::string& name, int position) {
    std::string s = name;
    s.erase(0, s.find_first_not_of('_'));
    if (s.empty()) return "p" + std::to_string(position);
    if (std::isdigit(static_cast<unsigned char>(s[0]))) s.insert(0, "n");
    if (isVbKeyword(s)) s += '_';
    return s;
}

std::string csIdentifier(const std::string& name, int position) {
    if (name.empty()) return "p" + std::to_string(position);
    return isCsKeyword(name) ? "@" + name : name;
}

}  // namespace tolvane::gen
