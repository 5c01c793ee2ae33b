#include "core/store/sqlite_database.h"

#include "core/store/error.h"
#include "core/store/sqlite_recordset.h"

#include <sqlite3.h>

namespace tolvane {

SqliteDatabase::SqliteDatabase(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

SqliteDatabase::~SqliteDatabase() { connection_->close(); }

// The calls below keep their own reference to the connection: the
// interrupt check, run while they work, may destroy this object.

std::unique_ptr<Recordset> SqliteDatabase::openRecordset(const QString& sql) {
    const std::shared_ptr<Connection> connection = connection_;
    Statement statement = connection->prepare(sql);
    if (sqlite3_column_count(statement.get()) == 0 || !sqlite3_stmt_readonly(statement.get()))
        throw Error(err::InvalidOperation);
    return std::make_unique<SqliteRecordset>(connection, std::move(statement));
}

std::unique_ptr<Recordset> SqliteDatabase::openTable(const QString& table) {
    QString quoted = table;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return openRecordset(QStringLiteral("SELECT * FROM \"%1\"").arg(quoted));
}

void SqliteDatabase::execute(const QString& sql) {
    const std::shared_ptr<Connection> connection = connection_;
    Statement statement = connection->prepare(sql);
    if (sqlite3_column_count(statement.get()) > 0) throw Error(err::CannotExecuteSelect);
    if (!sqlite3_stmt_readonly(statement.get())) connection->checkFileUnchanged();
    const int rc = connection->step(statement.get());
    if (rc != SQLITE_DONE) connection->fail(rc);
}

void SqliteDatabase::setInterruptCheck(std::function<bool()> check) {
    connection_->setInterruptCheck(std::move(check));
}

void SqliteDatabase::close() { connection_->close(); }

}  // namespace tolvane
