#include "core/store/catalogue_schema.h"

#include "core/store/connection.h"
#include "core/store/schema_sql.h"

#include <sqlite3.h>

#include <QStringList>

#include <optional>

namespace tolvane {
namespace {

QString columnText(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
}

// Whether an entry of the schema declares a virtual table.
bool declaresVirtualTable(const QString& sql) {
    const std::vector<SqlToken> start = sqlTokens(sql, 2);
    return start.size() == 2 && start[0].isWord("CREATE") && start[1].isWord("VIRTUAL");
}

// Each row of a statement to `row`; the statement's failure, if any.
template <class Row>
Status eachRow(Connection& connection, const QByteArray& sql, Row row) {
    Result<Connection::Use> use = connection.statement(sql);
    if (!use.ok()) return use.status();
    int rc;
    while ((rc = sqlite3_step(use->get())) == SQLITE_ROW)
        if (!row(use->get())) return {};
    return rc == SQLITE_DONE ? Status() : connection.failure(rc);
}

// What is wrong with a file, in the window's words and in English.
struct Fault {
    QString chinese;
    QString english;
};

// The fault of a schema whose table winfun, or its index `index`, makes
// writes run `code`.
Fault writeCodeFault(const WriteCode& code, const QString& index) {
    switch (code.where) {
    case WriteCode::IndexTerm:
        return {QStringLiteral("索引 %1 建在表达式上").arg(index),
                QStringLiteral("the index %1 is built on an expression").arg(index)};
    case WriteCode::IndexCondition:
        return {QStringLiteral("索引 %1 的条件调用函数 %2").arg(index, code.function),
                QStringLiteral("the condition of the index %1 calls the function %2")
                    .arg(index, code.function)};
    default: break;
    }
    const bool isDefault = code.where == WriteCode::Default;
    const bool isCheck = code.where == WriteCode::Check;
    const QString clause = isDefault ? QStringLiteral("默认值")
                           : isCheck ? QStringLiteral("检查约束")
                                     : QStringLiteral("生成列表达式");
    const QString englishClause = isDefault ? QStringLiteral("default")
                                  : isCheck ? QStringLiteral("CHECK constraint")
                                            : QStringLiteral("generated expression");
    const QString owner = code.column.isEmpty()
                              ? QStringLiteral("winfun 表")
                              : QStringLiteral("winfun 表 %1 列").arg(code.column);
    const QString englishOwner = code.column.isEmpty()
                                     ? QStringLiteral("winfun")
                                     : QStringLiteral("the column %1 of winfun").arg(code.column);
    return {QStringLiteral("%1的%2调用函数 %3").arg(owner, clause, code.function),
            QStringLiteral("the %1 of %2 calls the function %3")
                .arg(englishClause, englishOwner, code.function)};
}

// What is wrong with the file (nothing when nothing is), and its shape.
Result<std::optional<Fault>> schemaFault(Connection& connection, CatalogueShape& shape) {
    // SQLite connects to a virtual table while it resolves the names of a
    // statement, before the guard is asked about it; with none declared no
    // statement can reach one.
    bool virtualTable = false;
    Status read = eachRow(connection, "SELECT sql FROM sqlite_master", [&](sqlite3_stmt* s) {
        virtualTable = declaresVirtualTable(columnText(s, 0));
        return !virtualTable;
    });
    if (!read.ok()) return read;
    if (virtualTable)
        return std::optional<Fault>{
            {QStringLiteral("文件中有虚拟表（如全文索引）"),
             QStringLiteral("it declares a virtual table (such as a full-text index)")}};

    QString type, tableSql;
    read = eachRow(connection,
                   "SELECT type, sql FROM sqlite_master WHERE name = 'winfun' COLLATE NOCASE AND "
                   "type IN ('table', 'view')",
                   [&](sqlite3_stmt* s) {
                       type = columnText(s, 0);
                       tableSql = columnText(s, 1);
                       return false;
                   });
    if (!read.ok()) return read;
    if (type.isEmpty())
        return std::optional<Fault>{
            {QStringLiteral("没有 winfun 表"), QStringLiteral("it has no table winfun")}};
    if (type == QLatin1String("view"))
        return std::optional<Fault>{{QStringLiteral("winfun 是视图，不是表"),
                                     QStringLiteral("winfun is a view, not a table")}};

    QStringList names, primaryKey;
    read = eachRow(connection, "PRAGMA table_info(winfun)", [&](sqlite3_stmt* s) {
        names << columnText(s, 1);
        if (sqlite3_column_int(s, 5) > 0) primaryKey << columnText(s, 1);
        return true;
    });
    if (!read.ok()) return read;
    for (int c = 0; c < kColumnCount; ++c)
        if (names.contains(QLatin1String(columnName(Column(c))), Qt::CaseInsensitive))
            shape.columns.add(Column(c));
    QStringList missing;
    for (const Column needed : {Column::Id, Column::Name})
        if (!shape.columns.has(needed)) missing << QLatin1String(columnName(needed));
    if (!missing.isEmpty())
        return std::optional<Fault>{
            {QStringLiteral("winfun 表缺少 %1 列").arg(missing.join(QStringLiteral("、"))),
             QStringLiteral("the table winfun has no column %1")
                 .arg(missing.join(QStringLiteral(" and no column ")))}};

    // Every write runs the table's defaults and checks and computes its
    // indexes' terms and conditions.
    std::optional<Fault> runsCode;
    if (const std::optional<WriteCode> code = tableWriteCode(tableSql))
        return std::optional<Fault>(writeCodeFault(*code, {}));
    read = eachRow(connection,
                   "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                   "tbl_name = 'winfun' COLLATE NOCASE AND sql IS NOT NULL",
                   [&](sqlite3_stmt* s) {
                       if (const std::optional<WriteCode> code = indexWriteCode(columnText(s, 1)))
                           runsCode = writeCodeFault(*code, columnText(s, 0));
                       return !runsCode;
                   });
    if (!read.ok()) return read;
    if (runsCode) return runsCode;

    sqlite3_stmt* probe = nullptr;
    shape.hasRowid = sqlite3_prepare_v2(connection.handle(), "SELECT rowid FROM winfun LIMIT 0", -1,
                                        &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    // A primary key of a rowid table that is not the rowid itself is served
    // by an index of its own.
    bool keyIndex = false;
    read = eachRow(connection, "PRAGMA index_list(winfun)", [&](sqlite3_stmt* s) {
        keyIndex = columnText(s, 3) == QLatin1String("pk");
        return !keyIndex;
    });
    if (!read.ok()) return read;
    shape.idIsRowid = shape.hasRowid && !keyIndex && primaryKey.size() == 1 &&
                      primaryKey[0].compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0;
    return std::optional<Fault>();
}

}  // namespace

Result<CatalogueShape> checkCatalogueSchema(Connection& connection, const QString& path) {
    CatalogueShape shape;
    const Result<std::optional<Fault>> fault = schemaFault(connection, shape);
    if (!fault.ok()) return fault.status();
    if (*fault)
        return Status(
                   StatusCode::NotACatalogue,
                   QStringLiteral("'%1' 不是可用的目录数据库：%2。").arg(path, (*fault)->chinese))
            .withEnglish((*fault)->english);
    return shape;
}

}  // namespace tolvane
