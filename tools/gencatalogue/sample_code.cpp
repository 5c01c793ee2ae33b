#include "sample_code.h"

#include <set>

#include "sample_writers.h"
#include "text.h"

namespace tolvane::gen {

namespace {

// A name for the result variable that no parameter, and not the function,
// already has (compared as VB compares, ignoring case).
std::string resultName(const std::vector<const Declared*>& forms) {
    std::set<std::string> taken;
    for (const Declared* d : forms) {
        taken.insert(lower(d->name));
        for (const auto& p : d->params) taken.insert(lower(p.name));
    }
    std::string name = "result";
    while (taken.count(lower(name))) name += "_";
    return name;
}

// A variable named like the function would hide it (in VB whatever the case).
Declared distinct(Declared d) {
    for (auto& p : d.params)
        if (lower(p.name) == lower(d.name)) p.name += "Value";
    return d;
}

}  // namespace

std::string sampleCode(const SampleInput& in, const TypeNames& names) {
    auto vb = readVb(in.vbDeclare);
    auto vba = readVb(in.vba64Declare);
    auto cs = readCs(in.csDeclare);
    if (!vb || !cs) return {};
    vb = distinct(*vb);
    cs = distinct(*cs);
    if (vba) vba = distinct(*vba);
    std::vector<const Declared*> forms = {&*vb, &*cs};
    if (vba) forms.push_back(&*vba);
    const std::string result = resultName(forms);
    std::string out = basicSample(in.vb, in.name, *vb, VbDialect::Vb6, names, in.error, result);
    if (vba)
        out += std::string(kCrLf) + kCrLf +
               basicSample(in.vba64, in.name, *vba, VbDialect::Vba64, names, in.error, result);
    return out + kCrLf + kCrLf + csSample(in.cs, in.name, *cs, names, in.error, result);
}

}  // namespace tolvane::gen
