#pragma once
// Writes catalogue rows as an SQL script of INSERT statements for winfun.
#include <ostream>
#include <string>
#include <vector>

#include "catalogue.h"

namespace tolvane::gen {

// A single-quoted SQL literal; quotes are doubled, everything else is kept.
std::string sqlText(const std::string& s);

// One INSERT per row, in the rows' order; the output depends only on them.
void writeSql(std::ostream& out, const std::vector<Row>& rows);

}  // namespace tolvane::gen
