#pragma once

#include "core/store/engine.h"
#include "core/store/sqlite_connection.h"

#include <memory>

namespace tolvane {

// An open catalogue. openRecordset takes a statement that yields rows and
// changes nothing (else err::InvalidOperation); execute takes one that
// yields no rows (else err::CannotExecuteSelect). Closing it, or destroying
// it, closes its recordsets too.
class SqliteDatabase final : public Database {
public:
    explicit SqliteDatabase(std::shared_ptr<Connection> connection);
    ~SqliteDatabase() override;

    std::unique_ptr<Recordset> openRecordset(const QString& sql) override;
    std::unique_ptr<Recordset> openTable(const QString& table) override;
    void execute(const QString& sql) override;
    void setInterruptCheck(std::function<bool()> check) override;
    void close() override;

private:
    std::shared_ptr<Connection> connection_;
};

}  // namespace tolvane
