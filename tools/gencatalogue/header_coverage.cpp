#include "header_coverage.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fact_table.h"

namespace tolvane::gen {

namespace {

bool identifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The text without comments and preprocessor lines (a directive's
// continuation lines included), line breaks kept.
std::string code(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    bool lineStart = true, directive = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 1;
            out += ' ';
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            i = std::min(text.find('\n', i), text.size()) - 1;
            continue;
        }
        if (c == '\n') {
            directive = directive && i > 0 && text[i - 1] == '\\';
            lineStart = true;
            out += c;
            continue;
        }
        if (lineStart && c == '#') directive = true;
        if (!std::isspace(static_cast<unsigned char>(c))) lineStart = false;
        if (!directive) out += c;
    }
    return out;
}

}  // namespace

std::set<std::string> declaredExports(const std::string& text,
                                      const std::set<std::string>& exports) {
    static const std::set<std::string> kNoDeclaration = {"return", "if",   "while",
                                                         "else",   "case", "STDMETHODCALLTYPE"};
    const std::string s = code(text);
    std::set<std::string> out;
    std::string previousWord;
    char previous = ';';  // the last character before the current word that is no space
    for (size_t i = 0; i < s.size();) {
        if (!identifierChar(s[i])) {
            if (!std::isspace(static_cast<unsigned char>(s[i])))
                previous = s[i], previousWord.clear();
            ++i;
            continue;
        }
        size_t end = i;
        while (end < s.size() && identifierChar(s[end])) ++end;
        const std::string word = s.substr(i, end - i);
        size_t next = end;
        while (next < s.size() && std::isspace(static_cast<unsigned char>(s[next]))) ++next;
        const bool declarator =
            std::string(";{}*").find(previous) != std::string::npos || identifierChar(previous);
        if (next < s.size() && s[next] == '(' && declarator &&
            !kNoDeclaration.count(previousWord) && exports.count(word))
            out.insert(word);
        previousWord = word;
        previous = 'a';
        i = end;
    }
    return out;
}

HeaderCoverage headerCoverage(const std::string& includeDir, const std::set<std::string>& included,
                              const std::set<std::string>& exports) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> unread;  // header or folder ("ddk/") -> reason
    std::map<std::string, const FactRow*> rows;
    const std::vector<FactRow> facts = readFacts("unread_headers.tsv", 2, 2);
    for (const FactRow& row : facts) unread[row[0]] = row[1], rows[row[0]] = &row;
    std::set<std::string> used;
    HeaderCoverage out;
    const fs::path root(includeDir);
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".h") continue;
        const std::string header = entry.path().lexically_relative(root).generic_string();
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const std::set<std::string> declared = declaredExports(text.str(), exports);
        if (declared.empty()) continue;
        if (included.count(header)) {  // what it declares under guards the parse does not take
            if (unread.count(header))
                out.problems.push_back(header + " is read, yet listed as unread");
            continue;
        }
        std::string rule = header;
        if (!unread.count(rule)) rule = header.substr(0, header.find('/') + 1);
        auto reason = unread.find(rule);
        if (reason == unread.end()) {
            out.problems.push_back(header + " declares " + std::to_string(declared.size()) +
                                   " functions of listed DLLs (" + *declared.begin() +
                                   " ...) but is neither read nor listed as unread");
            continue;
        }
        used.insert(rule);
        out.excluded[header] = reason->second;
    }
    for (const auto& [rule, row] : rows)
        if (!used.count(rule))
            out.problems.push_back(row->where + ": " + rule +
                                   " declares no function of a listed DLL");
    return out;
}

}  // namespace tolvane::gen
