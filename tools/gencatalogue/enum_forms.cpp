#include "enum_forms.h"

#include "cs_map.h"
#include "facts.h"
#include "text.h"
#include "type_names.h"
#include "vb_map.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

// A VB Enum holds Long values only; otherwise the members stay Consts.
std::string vbBlock(const std::string& name, const std::vector<std::string>& consts) {
    bool allLong = true;
    for (const std::string& c : consts)
        allLong = allLong && c.find(" As ") == std::string::npos && !c.ends_with("^");
    if (!allLong) return join(consts, kCrLf);
    std::vector<std::string> lines = {"Enum " + vbIdentifier(name, 0)};
    for (const std::string& c : consts) lines.push_back("    " + c.substr(6));  // "Const "
    lines.push_back("End Enum");
    return join(lines, kCrLf);
}

}  // namespace

EnumForms enumForms(const Enumeration& e, const std::vector<const Constant*>& members) {
    if (members.empty()) return {};
    std::vector<std::string> vb, vba64, cs, names;
    std::string csType;
    for (const Constant* c : members) {
        vb.push_back(vbConst(*c));
        vba64.push_back(vbConst(*c, VbDialect::Vba64));
        // "const int NAME = 1;" gives the underlying type and "NAME = 1".
        const std::string line = csConst(*c);
        const size_t type = line.find(' ') + 1, name = line.find(' ', type);
        csType = line.substr(type, name - type);
        cs.push_back("    " + line.substr(name + 1, line.size() - name - 2) + ",");
        names.push_back(c->name);
    }
    EnumForms out;
    out.vb = vbBlock(e.name, vb);
    out.vba64 = vbBlock(e.name, vba64);
    out.csharp = "enum " + csIdentifier(e.name, 0) + " : " + csType + kCrLf + "{" + kCrLf +
                 join(cs, kCrLf) + kCrLf + "}";
    out.explain = say(Phrase::EnumerationIn, {sdkHeader(e.header), std::to_string(members.size()),
                                              join(names, say(Phrase::ListSeparator)), csType});
    return out;
}

}  // namespace tolvane::gen
