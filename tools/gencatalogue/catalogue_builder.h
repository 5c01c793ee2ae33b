#pragma once
// Builds the catalogue rows; its steps are defined by the kind of row they
// make: function_rows.cpp, type_rows.cpp, constant_rows.cpp.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "availability.h"
#include "catalogue.h"
#include "explain_text.h"
#include "type_names.h"

namespace tolvane::gen {

class CatalogueBuilder {
public:
    CatalogueBuilder(const Declarations& d, const ExportIndex& e, const Availability& a,
                     const std::vector<LayoutException>& x, const ExportDetails& details)
        : decls_(d), exports_(e), availability_(a), exceptions_(x), details_(details) {}

    Catalogue run();

private:
    static std::string yesNo(bool b) { return b ? "Yes" : "No"; }
    bool available(const std::set<std::string>& level, const std::string& a,
                   const std::string& b = {}) const;
    void setAvailability(Row& row, const std::string& a, const std::string& b = {}) const;

    // Naming (catalogue.cpp).
    void noteTaken(const Function& f);
    void keepTextPointers();
    void reserveNames() const;
    void nameTypes();

    // Function rows.
    std::vector<std::string> exportersOf(const std::string& name) const;
    void addFunctions();
    void addFunction(const std::string& name, const Function& declared,
                     const Function* wideDeclared, const std::map<std::string, int>& counts);

    // Type rows.
    void addTypeRows();
    Row& addTypeRow(const std::string& name, const Record* r, const std::string& rowName);
    void addVba64Type(Row& row, const Record& r32);
    void addAliases();
    void addTypedefs();

    // Constant rows and the enumerations' type rows.
    void addConstants();
    void addEnumerations();

    // A type record of an enumeration or a data type, from its forms.
    template <typename Forms>
    void addFormsRow(const std::string& name, const Forms& forms, const std::string& other) {
        Row row;
        row.name = name;
        row.cls = -1;
        setAvailability(row, name);
        row.declare = forms.vb;
        row.vba64 = forms.vba64;
        row.csharp = forms.csharp;
        row.explain = forms.explain + versionNote(headerLevel(availability_, name));
        row.other = other;
        out_.rows.push_back(std::move(row));
    }

    const Declarations& decls_;
    const ExportIndex& exports_;
    const Availability& availability_;
    const std::vector<LayoutException>& exceptions_;
    const ExportDetails& details_;
    std::vector<Function> classic_;  // psapi.dll's classic names
    // The structures to catalogue by C name, the Unicode half of each pair
    // by its ANSI one, the catalogue name by C name (or pair's generic name).
    std::map<std::string, const Record*> byName_;
    std::map<std::string, std::string> wideOf_, typeName_;
    std::set<const Record*> taken_;  // taken directly by a catalogued function
    TypeNames names_;
    std::map<std::string, int> sizes_;  // functions each DLL exports
    Catalogue out_;
};

}  // namespace tolvane::gen
