#pragma once

#include "core/store/status.h"

struct sqlite3;

namespace tolvane {

// What the LIKE function reports for an unusable pattern; statusOf() turns
// it into StatusCode::InvalidPattern.
extern const char kInvalidPatternMessage[];

// The one place where SQLite result codes become statuses. rc is the
// (extended) result code of the failed call; db, when given, supplies the
// message and the file name.
Status statusOf(int rc, sqlite3* db);

// A failure about one file, naming the file in its message (FileMissing,
// NotAFileName, NotACatalogue, FileInUse); other codes keep their standard
// message.
Status fileStatus(StatusCode code, const QString& path);

// The catalogue file was deleted or replaced since it was opened.
Status fileGoneStatus(const QString& path);

// The guard refused an operation; `what` says which.
Status deniedStatus(const QString& path, const QString& what);

// The failure of opening a catalogue file and reading its schema: a file
// that is no database is a wrong key when the file is encrypted; a lock that
// does not clear within the wait is Locked, as for any statement.
Status openStatus(int rc, sqlite3* db, const QString& path, bool encrypted);

}  // namespace tolvane
