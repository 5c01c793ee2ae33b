#pragma once

struct sqlite3;

namespace tolvane {

class Connection;

// Puts a catalogue connection under guard, so that a file is only ever data:
//  - an authorizer allows what the catalogue's own statements need and
//    nothing else: reading winfun, sqlite_master and sqlite_sequence; adding,
//    changing and deleting winfun rows; transactions; a short list of plain
//    functions; the pragmas table_info (of winfun), integrity_check,
//    quick_check and locking_mode. Everything a trigger or a view of the file
//    would do is refused, as is every other table, any schema change, ATTACH
//    and recursive queries. (Virtual tables are kept out at opening, see
//    checkCatalogueSchema: SQLite connects to one before asking.) A refused statement
//    fails with err::NotPermitted, naming what was refused;
//  - extension loading stays off;
//  - SQLite's progress handler asks the connection's interrupt check.
// Returns SQLite's result code.
int guardCatalogue(sqlite3* db, Connection& connection);

}  // namespace tolvane
