#pragma once
// Reads the functions, named structures and unions, and typedefs of one
// parsed translation unit into the C model. Its type conversion is in
// clang_types.cpp.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "clang_unit.h"

namespace tolvane::gen {

class DeclarationReader {
public:
    explicit DeclarationReader(const std::string& includeDir) : headers_(includeDir) {}

    void nameRecords(const std::vector<CXCursor>& top) {
        names_ = typedefNames(top, CXType_Record);
    }

    void read(const std::vector<CXCursor>& top, Declarations& out, bool withFunctions = true);

private:
    // clang gives sibling anonymous records one USR, and the anonymous
    // unions a macro expands share one location, so a definition is known by
    // its declaration node, which a cursor holds for the unit's lifetime.
    static const void* identity(CXCursor def) { return clang_getCanonicalCursor(def).data[0]; }
    std::string nameOf(CXCursor c) const;
    void collectRecords(CXCursor c, std::set<std::string>& seen, Declarations& out);
    void collectAlias(CXCursor c, const std::string& header, Declarations& out);
    void collectTypedef(CXCursor c, const std::string& header, Declarations& out);
    static std::string handAnnotation(CXCursor c);
    Function function(CXCursor c, const std::string& name, const std::string& header);

    // The C model of a clang type or record definition (clang_types.cpp).
    std::shared_ptr<const Record> recordOf(CXCursor def);
    CTypePtr convert(CXType t);

    Headers headers_;
    std::map<std::string, std::string> names_;  // record USR -> typedef name
    std::set<std::string> typedefsSeen_;
    std::map<const void*, std::shared_ptr<Record>> records_;  // by identity()
};

}  // namespace tolvane::gen
