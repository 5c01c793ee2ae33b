#pragma once
// The Type records the catalogue holds, by the C name of the structure: a
// structure with both an ANSI and a Unicode form ("OPENFILENAMEA",
// "OPENFILENAMEW") has one Type under the generic name ("OPENFILENAME").
#include <map>
#include <string>

#include "c_model.h"

namespace tolvane::gen {

class TypeNames {
public:
    void add(const std::string& cName, const std::string& catalogueName) {
        names_[cName] = catalogueName;
    }
    // The Type a record is written as, or "" when the catalogue has none.
    std::string of(const CType& t) const;
    bool contains(const std::string& cName) const { return names_.count(cName) != 0; }

private:
    std::map<std::string, std::string> names_;
};

// Identifiers usable in each language: keywords get a suffix (VB) or an @
// (C#); VB identifiers also lose leading underscores. Empty names become p<n>.
std::string vbIdentifier(const std::string& name, int position);
std::string csIdentifier(const std::string& name, int position);

}  // namespace tolvane::gen
