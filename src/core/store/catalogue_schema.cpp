#include "core/store/catalogue_schema.h"

#include "core/store/error.h"
#include "core/store/sqlite_connection.h"

#include <sqlite3.h>

#include <QStringList>

namespace tolvane {
namespace {

QString columnText(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
}

// Whether an entry of the schema declares a virtual table: its statement
// reads CREATE VIRTUAL once comments and blanks are gone.
bool declaresVirtualTable(const QString& sql) {
    QString bare;
    for (qsizetype i = 0; i < sql.size() && bare.size() < 13; ++i) {
        if (QStringView(sql).mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? sql.size() : end + 1;
        } else if (QStringView(sql).mid(i, 2) == QLatin1String("--")) {
            const qsizetype end = sql.indexOf(u'\n', i);
            i = end < 0 ? sql.size() : end;
        } else if (!sql[i].isSpace()) {
            bare += sql[i].toUpper();
        }
    }
    return bare == QLatin1String("CREATEVIRTUAL");
}

// What is wrong with the file, or "" when nothing is.
QString schemaFault(Connection& connection) {
    // SQLite connects to a virtual table while it resolves the names of a
    // statement, before the authorizer is asked about it; with none declared
    // no statement can reach one.
    Statement entries = connection.prepareInternal("SELECT sql FROM sqlite_master");
    int rc;
    while ((rc = connection.step(entries.get())) == SQLITE_ROW)
        if (declaresVirtualTable(columnText(entries.get(), 0)))
            return QStringLiteral("文件中有虚拟表（如全文索引）");
    if (rc != SQLITE_DONE) connection.fail(rc);

    Statement table = connection.prepareInternal(
        "SELECT type FROM sqlite_master WHERE name = 'winfun' COLLATE NOCASE AND type IN ('table', "
        "'view')");
    rc = connection.step(table.get());
    if (rc == SQLITE_DONE) return QStringLiteral("没有 winfun 表");
    if (rc != SQLITE_ROW) connection.fail(rc);
    if (columnText(table.get(), 0) == QLatin1String("view"))
        return QStringLiteral("winfun 是视图，不是表");

    QStringList columns;
    Statement info = connection.prepareInternal("PRAGMA table_info(winfun)");
    while ((rc = connection.step(info.get())) == SQLITE_ROW) columns << columnText(info.get(), 1);
    if (rc != SQLITE_DONE) connection.fail(rc);
    QStringList missing;
    for (const QString& needed : {QStringLiteral("ID"), QStringLiteral("name")})
        if (!columns.contains(needed, Qt::CaseInsensitive)) missing << needed;
    if (!missing.isEmpty())
        return QStringLiteral("winfun 表缺少 %1 列").arg(missing.join(QStringLiteral("、")));
    return {};
}

}  // namespace

void checkCatalogueSchema(Connection& connection, const QString& path) {
    const QString fault = schemaFault(connection);
    if (!fault.isEmpty())
        throw Error(err::NotInDatabase,
                    QStringLiteral("'%1' 不是可用的目录数据库：%2。").arg(path, fault));
}

}  // namespace tolvane
