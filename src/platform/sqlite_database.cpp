#include "platform/sqlite_database.h"

#include "platform/error.h"
#include "platform/sqlite_recordset.h"

#include <sqlite3.h>

namespace tolvane {

SqliteDatabase::SqliteDatabase(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

SqliteDatabase::~SqliteDatabase() {
    connection_->close();
}

std::unique_ptr<Recordset> SqliteDatabase::openRecordset(const QString& sql) {
    Statement statement = connection_->prepare(sql);
    if (sqlite3_column_count(statement.get()) == 0 || !sqlite3_stmt_readonly(statement.get()))
        throw Error(err::InvalidOperation);
    return std::make_unique<SqliteRecordset>(connection_, std::move(statement));
}

std::unique_ptr<Recordset> SqliteDatabase::openTable(const QString& table) {
    QString quoted = table;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return openRecordset(QStringLiteral("SELECT * FROM \"%1\"").arg(quoted));
}

void SqliteDatabase::execute(const QString& sql) {
    Statement statement = connection_->prepare(sql);
    if (sqlite3_column_count(statement.get()) > 0) throw Error(err::CannotExecuteSelect);
    const int rc = sqlite3_step(statement.get());
    if (rc != SQLITE_DONE) connection_->fail(rc);
}

void SqliteDatabase::close() {
    connection_->close();
}

}  // namespace tolvane
