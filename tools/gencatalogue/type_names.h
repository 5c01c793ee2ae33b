#pragma once
// The Type records the catalogue holds, by the C name of the structure: a
// structure with both an ANSI and a Unicode form ("OPENFILENAMEA",
// "OPENFILENAMEW") has one Type under the generic name ("OPENFILENAME").
#include <map>
#include <set>
#include <string>

#include "c_model.h"

namespace tolvane::gen {

// A pair's Type is laid out from the ANSI structure in VB and from the
// Unicode one in C#; where a declaration names the other half explicitly
// (LOGFONTW in a VB Type, LOGFONTA in a C# struct), the Type does not fit it.
enum class Half { None, Ansi, Unicode };

class TypeNames {
public:
    void add(const std::string& cName, const std::string& catalogueName, Half half = Half::None) {
        names_[cName] = {catalogueName, half};
    }
    // The Type a record is written as in VB (its name made a VB identifier:
    // Type DECIMAL_) or in C#, or "" when the catalogue has none that fits it.
    std::string vb(const CType& t) const;
    std::string cs(const CType& t) const { return of(t, Half::Ansi); }
    // The catalogue name of the record's Type, "" when it has none.
    std::string catalogued(const CType& t) const { return of(t, Half::None); }
    bool contains(const std::string& cName) const { return names_.count(cName) != 0; }
    // Structures whose text members stay pointers (VB Long/LongPtr, C#
    // IntPtr): those a callee keeps, and those no function takes directly,
    // which are filled through SendMessage, notifications or memory the API
    // returns, where no marshaller converts the text.
    void keepPointers(const std::string& cName) { pointers_.insert(cName); }
    // The 32-bit layout of a structure, after which its 64-bit VBA Type
    // chooses the members that represent its unions.
    void like32(const std::string& cName, const Record* r32) { like32_[cName] = r32; }
    const Record* like32(const std::string& cName) const {
        auto it = like32_.find(cName);
        return it == like32_.end() ? nullptr : it->second;
    }
    bool keepsPointers(const std::string& cName) const { return pointers_.count(cName) != 0; }

private:
    std::string of(const CType& t, Half unfit) const;
    struct Entry {
        std::string name;
        Half half;
    };
    std::map<std::string, Entry> names_;
    std::set<std::string> pointers_;
    std::map<std::string, const Record*> like32_;
};

// VB ignores case, and one module cannot hold a Declare, a Type and a Const
// of one name: the names of the catalogue's functions and Types (any case)
// that Types and constants must keep clear of. A Type named like a function,
// and a constant named like a function or a Type, get a trailing "_" in VB
// (Type CHOOSECOLOR_ beside Declare ChooseColor).
void reserveVbNames(const std::set<std::string>& functions, const std::set<std::string>& types);
std::string vbTypeName(const std::string& name);
std::string vbConstName(const std::string& name);
// The function or Type whose name made `vbName` differ from
// vbIdentifier(name, 0), "" when none did.
std::string vbClashOf(const std::string& name, bool isType);

// Identifiers usable in each language: keywords get a suffix (VB) or an @
// (C#); VB identifiers also lose leading underscores. Empty names become p<n>.
std::string vbIdentifier(const std::string& name, int position);
std::string csIdentifier(const std::string& name, int position);

}  // namespace tolvane::gen
