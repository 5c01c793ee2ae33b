#include "layouts_file.h"

#include <istream>
#include <map>
#include <ostream>
#include <sstream>

#include "c_types.h"
#include "layout.h"
#include "type_names.h"
#include "wording.h"

namespace tolvane::gen {

namespace {

long long extent(const CType& t) {
    long long count = 1;
    const CType& element = arrayElement(t, count);
    return t.kind == Kind::Array ? count * element.size : t.size;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, '\t');) out.push_back(f);
    return out;
}

}  // namespace

CLayout cLayout(const std::string& type, const std::string& form, const Record& r,
                const Record* like) {
    CLayout out{type, form, r.size, {}};
    const bool vb = form == "vb32" || form == "vba64";
    const std::vector<Member> members =
        r.isUnion && !vb ? overlappingMembers(r) : sequentialMembers(r, like);
    int position = 0;
    for (const Member& m : members) {
        ++position;
        // C# names as reflection and the layout checks see them, without the @ of keywords.
        std::string name = vb ? vbIdentifier(m.name, position) : csIdentifier(m.name, position);
        if (name.starts_with('@')) name.erase(0, 1);
        out.members.push_back({name, m.offset, extent(*m.type), m.repeated});
    }
    return out;
}

CLayout x64Call(const std::string& name, const Function& f) {
    CLayout out{name, "x64call", f.result->kind == Kind::Void ? 0 : f.result->size, {}};
    int position = 0;
    for (const Param& p : f.params) {
        const CType& t = *p.type;
        const bool inRegister =
            t.kind != Kind::Array &&
            (t.kind != Kind::Record || t.size == 1 || t.size == 2 || t.size == 4 || t.size == 8);
        long long pointee = 0;
        if ((t.kind == Kind::Pointer || t.kind == Kind::Array) && t.target &&
            t.target->kind != Kind::Function)
            pointee = t.target->size;
        if (!inRegister && t.kind == Kind::Record) pointee = t.size;
        out.members.push_back(
            {vbIdentifier(p.name, ++position), pointee, inRegister ? t.size : 8, false});
    }
    return out;
}

void writeLayouts(std::ostream& out, const std::vector<CLayout>& layouts) {
    for (const CLayout& l : layouts) {
        out << l.type << '\t' << l.form << '\t' << l.size;
        for (const MemberAt& m : l.members)
            out << '\t' << m.name << '=' << m.offset << '+' << m.size << (m.repeated ? "*" : "");
        out << '\n';
    }
}

std::vector<CLayout> readLayouts(std::istream& in) {
    std::vector<CLayout> out;
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> f = fields(line);
        if (f.size() < 3) continue;
        CLayout l{f[0], f[1], std::stoll(f[2]), {}};
        for (size_t i = 3; i < f.size(); ++i) {
            const size_t eq = f[i].find('='), plus = f[i].find('+', eq);
            l.members.push_back({f[i].substr(0, eq), std::stoll(f[i].substr(eq + 1, plus - eq - 1)),
                                 std::stoll(f[i].substr(plus + 1)), f[i].back() == '*'});
        }
        out.push_back(std::move(l));
    }
    return out;
}

std::vector<LayoutException> readExceptions(std::istream& in) {
    std::vector<LayoutException> out;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> f = fields(line);
        if (f.size() == 3) out.push_back({f[0], f[1], f[2]});
    }
    return out;
}

std::string exceptionNote(const std::vector<LayoutException>& all, const std::string& type) {
    static const std::map<std::string, Phrase> kForms = {{"vb32", Phrase::LayoutOfVb},
                                                         {"vba64", Phrase::LayoutOfVba64},
                                                         {"cs32", Phrase::LayoutOfCs32},
                                                         {"cs64", Phrase::LayoutOfCs64},
                                                         {"mono", Phrase::LayoutOfMono}};
    std::string out;
    for (const LayoutException& e : all)
        if (e.type == type) {
            auto form = kForms.find(e.form);
            out += say(Phrase::LayoutDiffers,
                       {form == kForms.end() ? e.form : say(form->second), e.reason});
        }
    return out;
}

}  // namespace tolvane::gen
