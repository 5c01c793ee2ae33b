#pragma once

#include <QVariant>

#include <optional>

struct sqlite3_stmt;

namespace tolvane {

// A column of the current row as a value: an integer as qlonglong, a real as
// double, text as QString, a blob as QByteArray, Null as an invalid QVariant.
QVariant valueAt(sqlite3_stmt* statement, int column);

// A column of the current row as an ID: see wholeNumber().
std::optional<qint64> wholeNumberAt(sqlite3_stmt* statement, int column);

// Binds a value as valueAt() reads it (an invalid QVariant as Null, a bool
// or any integer as an integer, any other as text).
void bindValue(sqlite3_stmt* statement, int index, const QVariant& value);

// The index of a named parameter such as ":id" (0 when the statement has none).
int parameter(sqlite3_stmt* statement, const char* name);

}  // namespace tolvane
