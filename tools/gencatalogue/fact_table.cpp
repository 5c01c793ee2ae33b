#include "fact_table.h"

#include <fstream>
#include <stdexcept>

namespace tolvane::gen {

std::string FactRow::operator[](size_t i) const {
    return i < fields.size() && fields[i] != "-" ? fields[i] : std::string();
}

std::vector<FactRow> readFacts(const std::string& name, size_t minFields, size_t maxFields) {
    const std::string path = std::string(TOLVANE_GEN_DATA_DIR) + "/" + name;
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<FactRow> rows;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        FactRow row{{}, name + ":" + std::to_string(number)};
        for (size_t at = 0; at < line.size();) {
            const size_t end = std::min(line.find('\t', at), line.size());
            if (end > at && line[at] == '#') break;  // a comment ends the row
            if (end > at) row.fields.push_back(line.substr(at, end - at));
            at = end + 1;
        }
        if (row.fields.size() < minFields || row.fields.size() > maxFields)
            badFact(row, "has " + std::to_string(row.fields.size()) + " fields");
        rows.push_back(std::move(row));
    }
    return rows;
}

void badFact(const FactRow& row, const std::string& why) {
    throw std::runtime_error(row.where + ": " + why);
}

}  // namespace tolvane::gen
