#pragma once

struct sqlite3;

namespace tolvane {

class MatchInterrupt;

// Replaces SQLite's LIKE on the connection by the catalogue's pattern
// language (see JetPattern): "x LIKE p" is true when x, as text, matches p.
// Null on either side gives Null, which never selects a row. A bad pattern
// fails the statement with kInvalidPatternMessage. A long match asks
// `interrupt` now and then; when it says stop, the statement fails with
// SQLITE_INTERRUPT. Returns the result code.
int installJetLike(sqlite3* db, MatchInterrupt& interrupt);

}  // namespace tolvane
