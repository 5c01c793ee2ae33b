#include "sql_writer.h"

namespace tolvane::gen {

std::string sqlText(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

void writeSql(std::ostream& out, const std::vector<Row>& rows) {
    out << "-- Generated from the mingw-w64 headers and import libraries; do not edit.\n";
    for (const Row& r : rows) {
        out << "INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, "
               "CSharp, parameter, recode, returned, othername, other, vba64) VALUES ("
            << sqlText(r.name) << ", " << r.cls << ", " << sqlText(r.libsclass) << ", "
            << sqlText(r.win95) << ", " << sqlText(r.winnt) << ", " << sqlText(r.explain) << ", "
            << sqlText(r.declare) << ", " << sqlText(r.csharp) << ", " << sqlText(r.parameter)
            << ", " << sqlText(r.recode) << ", " << sqlText(r.returned) << ", "
            << sqlText(r.othername) << ", " << sqlText(r.other) << ", " << sqlText(r.vba64)
            << ");\n";
    }
}

}  // namespace tolvane::gen
