#pragma once
// Reads the parts of a generated record that the whole-catalogue checks
// compare: a function's parameter lines, the parameters of its VB, 64-bit
// VBA and C# forms, the parts of its sample, and the reviewed fact tables.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fact_table.h"
#include "support/catalogue_rows.h"

namespace tolvane::test {

// Whether `text` holds `part`.
inline bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// One line of the parameter column: the VB parameters of one C parameter,
// the C type and name, and the markers after them ("[可为 NULL]").
struct ParameterLine {
    std::vector<std::string> vb;  // "ByRef x As Any"
    std::string cType, cName, markers;
};
std::vector<ParameterLine> parameterLines(const CatalogueRow& r);

// The parameters of a VB or 64-bit VBA Declare by lower-case name:
// "ByVal x As Long".
std::map<std::string, std::string> basicParameters(const std::string& declare);

// The parameters of each declaration of a C# form, in order.
std::vector<std::vector<std::string>> csDeclarations(const std::string& csharp);

// The VB6, the 64-bit VBA and the C# part of a sample (the 64-bit VBA part
// empty where that form is no Declare).
struct SampleParts {
    std::string vb, vba64, cs;
};
SampleParts sampleParts(const std::string& recode);

// The catalogue Type a C type spelling points to once (PCCERT_CONTEXT,
// "const RECT *", "struct hostent *"), "" for anything else.
std::string pointedType(const std::string& spelling, const std::set<std::string>& types);

std::string upper(std::string s);

// The parts of `list` between the separators; none for an empty list.
std::vector<std::string> split(const std::string& list, const std::string& separator);

// The name a Type block declares ("Type DECIMAL_" ...: DECIMAL_).
std::string vbTypeName(const std::string& typeBlock);

// A record of a structure or union (a Type block), not of an enumeration.
inline bool isStructure(const CatalogueRow& r) {
    return r.cls == -1 && r.declare.starts_with("Type ");
}

// A record of a typedef of a scalar, pointer or handle, whose forms are
// comments saying how each language declares it.
inline bool isTypedef(const CatalogueRow& r) { return r.cls == -1 && r.declare.starts_with("' "); }

// The parameter and the result type one form of a typedef's record declares
// ("' DWORD 作参数：ByVal dwValue As Long；作返回值：As Long": "ByVal dwValue
// As Long", "Long"), empty for other records.
struct TypedefUse {
    std::string param, result;
};
TypedefUse typedefUse(const std::string& form);

// The structure or function a record's name means in 64-bit processes,
// where the 64-bit headers make it a macro for another one (STACKFRAME:
// STACKFRAME64), "" for other records.
std::string renamedOn64Bits(const CatalogueRow& r);

// The Type a typedef's record repeats under another name (DATA_BLOB:
// CRYPT_INTEGER_BLOB), "" for other records.
std::string aliasTarget(const CatalogueRow& r);

// The names of the catalogue's Types, and the names VB declares them by, in upper case.
const std::set<std::string>& typeNames();

// The rows of a reviewed fact table of the generator.
inline std::vector<gen::FactRow> facts(const std::string& file, size_t fields) {
    return gen::readFacts(file, fields - 1, fields);
}

}  // namespace tolvane::test
