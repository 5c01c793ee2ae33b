#pragma once

#include "core/store/error.h"

#include <QString>

struct sqlite3;

namespace tolvane {

// What the LIKE function reports for an unusable pattern; translate() turns
// it into err::InvalidPattern.
extern const char kInvalidPatternMessage[];

// The one place where SQLite result codes become catalogue errors. rc is the
// (extended) result code of the failed call; db, when given, supplies the
// message and the file name.
Error translate(int rc, sqlite3* db);

// An error about one file, naming the file in its description.
Error fileError(int number, const QString& path);

// The catalogue file was deleted or replaced since it was opened
// (err::CannotFindFile, naming the path).
Error fileGoneError(const QString& path);

// The authorizer refused an operation (err::NotPermitted); `what` says which.
Error deniedError(const QString& path, const QString& what);

// The failure of opening a catalogue file and reading its schema: a file
// that is no database is a wrong key when the file is encrypted, and a lock
// that does not clear means another user holds the file.
Error openError(int rc, sqlite3* db, const QString& path, bool encrypted);

}  // namespace tolvane
