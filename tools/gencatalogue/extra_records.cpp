#include "extra_records.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

#include "text.h"
#include "wording.h"

namespace tolvane::gen {

std::map<std::string, std::string> annotationFields(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string field;
    while (in >> field) {
        const size_t eq = field.find('=');
        if (eq == std::string::npos || eq == 0)
            throw std::runtime_error("bad annotation field: " + field);
        out[field.substr(0, eq)] = field.substr(eq + 1);
    }
    return out;
}

void placeHandRecord(Function& f, const std::map<std::string, std::string>& fields) {
    auto get = [&](const char* key) {
        auto it = fields.find(key);
        return it == fields.end() ? std::string() : it->second;
    };
    f.dll = get("dll");
    f.exportName = get("export");
    f.export32 = get("export32");
    f.only32 = get("only") == "32";
}

std::string vbExportOf(const Function& f) {
    if (!f.export32.empty()) return f.export32;
    return f.exportName.empty() ? f.name : f.exportName;
}

void checkPlacement(const Function& f, const ExportIndex& exports) {
    if (f.only32) return;
    for (const std::string& name : {f.exportName.empty() ? f.name : f.exportName, f.export32}) {
        if (name.empty()) continue;
        auto it = exports.find(name);
        if (it == exports.end() ||
            std::find(it->second.begin(), it->second.end(), f.dll) == it->second.end())
            throw std::runtime_error("hand-made record " + f.name + ": " + f.dll +
                                     " does not export " + name);
    }
}

std::vector<Function> classicPsapiNames(const std::vector<Function>& functions,
                                        const ExportIndex& exports) {
    std::vector<Function> out;
    for (const Function& f : functions) {
        if (f.header != "psapi.h" || !f.name.starts_with("K32")) continue;
        Function classic = f;
        classic.name = f.name.substr(3);
        classic.dll = "psapi.dll";
        auto it = exports.find(classic.name);
        if (it != exports.end() &&
            std::find(it->second.begin(), it->second.end(), classic.dll) != it->second.end())
            out.push_back(std::move(classic));
    }
    return out;
}

std::string csBothTargets(const std::string& name, const std::string& extern64,
                          const std::string& extern32,
                          const std::vector<std::string>& argumentNames) {
    // "static extern R Name64(P);" gives the method's result and parameters.
    const std::string key = "static extern ";
    const size_t at = extern64.find(key);
    const size_t open = extern64.find('(', at);
    const size_t close = extern64.rfind(')');
    if (at == std::string::npos || open == std::string::npos || close == std::string::npos)
        return {};
    const std::string head =
        extern64.substr(at + key.size(), open - at - key.size());  // "R Name64"
    const std::string result = head.substr(0, head.rfind(' '));
    const std::string params = extern64.substr(open + 1, close - open - 1);
    const std::string args = join(argumentNames, ", ");
    return extern64 + kCrLf + extern32 + kCrLf + "static " + result + " " + name + "(" + params +
           ")" + kCrLf + "{" + kCrLf + "    return IntPtr.Size == 8 ? " + name + "64(" + args +
           ") : " + name + "32(" + args + ");" + kCrLf + "}";
}

std::string csForm(CsFunction target, const Function& f, const Function& csSource, bool pair,
                   const TypeNames& names, const StringSides& sides) {
    if (f.export32.empty()) {
        if (!f.exportName.empty() && f.exportName != target.name) target.entryPoint = f.exportName;
        const std::string plain = csDeclare(target, csSource, names, sides);
        // The overload that takes NULL for the optional pointers, after the one
        // that takes them by ref.
        target.nullForm = true;
        const std::string nullable = csDeclare(target, csSource, names, sides);
        return nullable == plain ? plain : plain + kCrLf + nullable;
    }
    auto entry = [&](const std::string& e) { return pair ? e.substr(0, e.size() - 1) : e; };
    const std::string name = target.name;
    target.name = name + "64";
    target.entryPoint = entry(f.exportName.empty() ? f.name : f.exportName);
    const std::string extern64 = csDeclare(target, csSource, names, sides);
    target.name = name + "32";
    target.entryPoint = entry(f.export32);
    const std::string extern32 = csDeclare(target, csSource, names, sides);
    if (extern64.empty() || extern32.empty()) return {};
    std::vector<std::string> args;
    for (size_t i = 0; i < csSource.params.size(); ++i)
        args.push_back(csIdentifier(csSource.params[i].name, static_cast<int>(i) + 1));
    return csBothTargets(name, extern64, extern32, args);
}

std::string placementNote(const Function& f, const Function* wide, const std::string& dll) {
    if (!f.export32.empty()) {
        const std::string own = wide ? f.name + "/" + wide->name : f.name;
        const std::string stand = wide ? f.export32 + "/" + wide->export32 : f.export32;
        return say(Phrase::Only64BitExports, {dll, own, stand, f.export32});
    }
    std::string alias;
    if (!f.exportName.empty() && f.exportName != f.name)
        alias = say(Phrase::MacroOnly, {f.name, dll, f.exportName});
    return f.only32 ? alias + say(Phrase::Only32BitExports, {dll}) : alias;
}

std::string handOtherNames(const Function& f, const Function* wide) {
    std::vector<std::string> out;
    if (!f.export32.empty()) {
        out.push_back(f.export32);
        if (wide) out.push_back(wide->export32);
        out.push_back(f.name);
        if (wide) out.push_back(wide->name);
    } else if (!f.exportName.empty()) {
        out.push_back(f.exportName);
    }
    return join(out, " ");
}

bool isInterfaceStub(const Record& r) {
    return r.fields.size() == 1 && r.fields[0].name == "lpVtbl";
}

bool isHandleDummy(const Record& r) {
    return r.name.ends_with("__") && r.fields.size() == 1 && r.fields[0].name == "unused";
}

std::string documentedTypeName(const std::string& name, const std::set<std::string>& taken) {
    std::string out = name;
    if (out.size() > 3 && out.starts_with("tag") &&
        std::isupper(static_cast<unsigned char>(out[3])))
        out.erase(0, 3);
    while (out.size() > 1 && out.back() == '_') out.pop_back();
    return out != name && taken.count(out) ? name : out;
}

}  // namespace tolvane::gen
