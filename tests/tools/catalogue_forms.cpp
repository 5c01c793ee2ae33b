#include "tools/catalogue_forms.h"

#include <cstring>
#include <regex>

#include "text.h"
#include "wording.h"

namespace tolvane::test {

std::vector<std::string> split(const std::string& list, const std::string& separator) {
    std::vector<std::string> out;
    for (size_t at = 0; !list.empty() && at <= list.size();) {
        const size_t end = std::min(list.find(separator, at), list.size());
        out.push_back(list.substr(at, end - at));
        at = end + separator.size();
    }
    return out;
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::vector<ParameterLine> parameterLines(const CatalogueRow& r) {
    static const std::regex kLine(R"(^(.*?)    ' (.*?) (\w+)((?: \[[^\]]*\])*)$)");
    std::vector<ParameterLine> out;
    for (const std::string& line : gen::splitLines(r.parameter)) {
        std::smatch m;
        if (line.empty() || !std::regex_match(line, m, kLine)) continue;
        out.push_back({split(m[1], ", "), m[2], m[3], m[4]});
    }
    return out;
}

std::map<std::string, std::string> basicParameters(const std::string& declare) {
    std::map<std::string, std::string> out;
    const size_t open = declare.find(" ("), close = declare.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return out;
    for (const std::string& p : split(declare.substr(open + 2, close - open - 2), ", ")) {
        const std::vector<std::string> words = split(p, " ");
        if (words.size() == 4) out[gen::lower(words[1])] = p;
    }
    return out;
}

std::vector<std::vector<std::string>> csDeclarations(const std::string& csharp) {
    std::vector<std::vector<std::string>> out;
    for (const std::string& line : gen::splitLines(csharp)) {
        if (!line.starts_with("static extern ")) continue;
        const size_t open = line.find('('), close = line.rfind(')');
        out.push_back(split(line.substr(open + 1, close - open - 1), ", "));
    }
    return out;
}

SampleParts sampleParts(const std::string& recode) {
    using gen::Phrase;
    auto cut = [&](Phrase heading) { return recode.find("\r\n\r\n" + gen::say(heading) + "\r\n"); };
    const size_t vba = cut(Phrase::Vba64SampleHeading), cs = cut(Phrase::CsSampleHeading);
    if (cs == std::string::npos) return {};
    const size_t vbEnd = vba == std::string::npos ? cs : vba;
    return {recode.substr(0, vbEnd),
            vba == std::string::npos ? "" : recode.substr(vba + 4, cs - vba - 4),
            recode.substr(cs + 4)};
}

std::string pointedType(const std::string& spelling, const std::set<std::string>& types) {
    // The Type of a C name: itself, or the pair of a half (OPENFILENAMEA,
    // TRUSTEE_A).
    auto typeOf = [&](std::string name) -> std::string {
        name = upper(name);
        if (types.count(name)) return name;
        if (name.size() < 2 || (name.back() != 'A' && name.back() != 'W')) return {};
        name.pop_back();
        while (name.size() > 1 && name.back() == '_') name.pop_back();
        return types.count(name) ? name : std::string();
    };
    static const std::regex kPointer(R"(^(?:const )?(?:struct )?(\w+) \*$)");
    std::smatch m;
    if (std::regex_match(spelling, m, kPointer)) return typeOf(m[1]);
    for (const char* prefix : {"LPC", "LP", "PC", "P"})
        if (spelling.starts_with(prefix))
            if (std::string type = typeOf(spelling.substr(strlen(prefix))); !type.empty())
                return type;
    return {};
}

std::string vbTypeName(const std::string& typeBlock) {
    const size_t end = typeBlock.find("\r\n");
    return typeBlock.starts_with("Type ") ? typeBlock.substr(5, end - 5) : std::string();
}

std::string aliasTarget(const CatalogueRow& r) {
    static const std::regex kAlias("(\\w+) 是 (\\w+) 的别名（typedef");
    std::smatch m;
    if (r.cls != -1 || !std::regex_search(r.explain, m, kAlias) || m[1] != r.name) return {};
    return m[2];
}

TypedefUse typedefUse(const std::string& form) {
    static const std::regex kUse("^(?:'|//) \\w+ 作参数：(.*)；作返回值：(?:As )?(.*)$");
    std::smatch m;
    if (!std::regex_match(form, m, kUse)) return {};
    return {m[1], m[2]};
}

std::string renamedOn64Bits(const CatalogueRow& r) {
    static const std::regex kRenamed("64 位头文件把 (\\w+) 定义为 (\\w+) 的宏");
    std::smatch m;
    return std::regex_search(r.explain, m, kRenamed) ? m[2].str() : std::string();
}

const std::set<std::string>& typeNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> out;
        for (const CatalogueRow& r : generatedCatalogue())
            if (isStructure(r)) {
                out.insert(upper(r.name));
                out.insert(upper(vbTypeName(r.declare)));  // CHOOSECOLOR_
            }
        return out;
    }();
    return names;
}

}  // namespace tolvane::test
