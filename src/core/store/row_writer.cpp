#include "core/store/row_writer.h"

#include "core/store/error.h"

#include <sqlite3.h>

namespace tolvane {
namespace {

QByteArray quoted(const char* name) { return '"' + QByteArray(name).replace('"', "\"\"") + '"'; }

void bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (!value.isValid()) {
        sqlite3_bind_null(statement, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: sqlite3_bind_int64(statement, index, value.toLongLong()); break;
    case QMetaType::Float:
    case QMetaType::Double: sqlite3_bind_double(statement, index, value.toDouble()); break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

// The name of a table's one INTEGER PRIMARY KEY column, or nothing.
QByteArray integerKeyOf(Connection& connection, const QByteArray& schema, const QByteArray& table) {
    Statement info = connection.prepareInternal("PRAGMA " + schema + ".table_info(" + table + ")");
    QByteArray key;
    int keys = 0;
    while (connection.step(info.get()) == SQLITE_ROW) {
        if (sqlite3_column_int(info.get(), 5) == 0) continue;
        ++keys;
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 2));
        if (type && qstricmp(type, "INTEGER") == 0)
            key = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
    }
    return keys == 1 ? key : QByteArray();
}

}  // namespace

std::optional<RowWriter> RowWriter::forStatement(Connection& connection, sqlite3_stmt* statement) {
    RowWriter writer;
    std::vector<QByteArray> origins;
    const int count = sqlite3_column_count(statement);
    for (int c = 0; c < count; ++c) {
        const char* schema = sqlite3_column_database_name(statement, c);
        const char* table = sqlite3_column_table_name(statement, c);
        const char* origin = sqlite3_column_origin_name(statement, c);
        if (!schema || !table || !origin) return std::nullopt;  // an expression
        if (c == 0) {
            writer.schema_ = quoted(schema);
            writer.table_ = quoted(table);
        } else if (writer.schema_ != quoted(schema) || writer.table_ != quoted(table)) {
            return std::nullopt;
        }
        for (const QByteArray& seen : origins)
            if (qstricmp(seen.constData(), origin) == 0) return std::nullopt;
        origins.emplace_back(origin);
        writer.columns_.push_back(quoted(origin));
    }
    const QByteArray key = integerKeyOf(connection, writer.schema_, writer.table_);
    for (int c = 0; c < count && !key.isEmpty(); ++c)
        if (qstricmp(origins[c].constData(), key.constData()) == 0) writer.key_ = c;
    if (writer.key_ < 0) return std::nullopt;
    return writer;
}

QByteArray RowWriter::tableName() const { return schema_ + '.' + table_; }

void RowWriter::bind(sqlite3_stmt* statement, const Values& values) const {
    int index = 0;
    for (const auto& [column, value] : values) bindValue(statement, ++index, value);
}

qlonglong RowWriter::insert(Connection& connection, const Values& values) const {
    QByteArray sql = "INSERT INTO " + tableName();
    if (values.empty()) {
        sql += " DEFAULT VALUES";
    } else {
        QByteArray names, marks;
        for (const auto& entry : values) {
            names += (names.isEmpty() ? "" : ",") + columns_[std::size_t(entry.first)];
            marks += marks.isEmpty() ? "?" : ",?";
        }
        sql += " (" + names + ") VALUES (" + marks + ")";
    }
    Statement statement = connection.prepareInternal(sql);
    bind(statement.get(), values);
    const int rc = connection.step(statement.get());
    if (rc != SQLITE_DONE) connection.fail(rc);
    return sqlite3_last_insert_rowid(connection.handle());
}

void RowWriter::update(Connection& connection, qlonglong key, const Values& values) const {
    QByteArray assignments;
    for (const auto& entry : values)
        assignments +=
            (assignments.isEmpty() ? "" : ",") + columns_[std::size_t(entry.first)] + "=?";
    Statement statement =
        connection.prepareInternal("UPDATE " + tableName() + " SET " + assignments + " WHERE " +
                                   columns_[std::size_t(key_)] + "=?");
    bind(statement.get(), values);
    sqlite3_bind_int64(statement.get(), int(values.size()) + 1, key);
    const int rc = connection.step(statement.get());
    if (rc != SQLITE_DONE) connection.fail(rc);
    if (sqlite3_changes(connection.handle()) == 0) throw Error(err::RecordDeleted);
}

Statement RowWriter::read(Connection& connection, qlonglong key) const {
    QByteArray names;
    for (const QByteArray& column : columns_) names += (names.isEmpty() ? "" : ",") + column;
    Statement statement =
        connection.prepareInternal("SELECT " + names + " FROM " + tableName() + " WHERE " +
                                   columns_[std::size_t(key_)] + "=?");
    sqlite3_bind_int64(statement.get(), 1, key);
    const int rc = connection.step(statement.get());
    if (rc == SQLITE_DONE) throw Error(err::RecordDeleted);
    if (rc != SQLITE_ROW) connection.fail(rc);
    return statement;
}

}  // namespace tolvane
