#include "core/store/catalogue_guard.h"

#include "core/store/connection.h"

#include <sqlite3.h>

#include <QString>

#include <algorithm>
#include <iterator>

namespace tolvane {
namespace {

// Virtual machine instructions between two looks at the clock: a few
// microseconds of work.
constexpr int kProgressInstructions = 1000;

bool named(const char* name, const char* expected) {
    return name && sqlite3_stricmp(name, expected) == 0;
}

bool oneOf(const char* name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return named(name, n); });
}

bool allowed(int action, const char* first, const char* second) {
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_TRANSACTION: return true;
    case SQLITE_READ: return oneOf(first, {"winfun", "sqlite_master", "sqlite_sequence"});
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE: return named(first, "winfun");
    case SQLITE_FUNCTION:
        return oneOf(
            second, {"like",   "glob",   "min",   "max",   "count", "sum",      "total",   "avg",
                     "length", "lower",  "upper", "abs",   "round", "coalesce", "ifnull",  "nullif",
                     "typeof", "substr", "trim",  "ltrim", "rtrim", "instr",    "replace", "hex"});
    case SQLITE_PRAGMA:
        return ((named(first, "table_info") || named(first, "index_list")) &&
                named(second, "winfun")) ||
               oneOf(first, {"integrity_check", "quick_check", "locking_mode"});
    default: return false;
    }
}

QString quotedName(const char* name) {
    return QStringLiteral("“%1”").arg(QString::fromUtf8(name ? name : ""));
}

// What a refused action would have done, in words.
QString describe(int action, const char* first, const char* second, const char* inner) {
    QString what;
    switch (action) {
    case SQLITE_READ: what = QStringLiteral("读取表 ") + quotedName(first); break;
    case SQLITE_INSERT: what = QStringLiteral("向表 %1 添加记录").arg(quotedName(first)); break;
    case SQLITE_UPDATE: what = QStringLiteral("修改表 %1").arg(quotedName(first)); break;
    case SQLITE_DELETE: what = QStringLiteral("删除表 %1 中的记录").arg(quotedName(first)); break;
    case SQLITE_FUNCTION: what = QStringLiteral("调用函数 ") + quotedName(second); break;
    case SQLITE_PRAGMA: what = QStringLiteral("执行 PRAGMA ") + quotedName(first); break;
    case SQLITE_RECURSIVE: what = QStringLiteral("执行递归查询"); break;
    default: what = QStringLiteral("修改数据库结构或附加其他数据库"); break;
    }
    if (inner) return QStringLiteral("文件中的触发器或视图 %1 要%2").arg(quotedName(inner), what);
    return what;
}

// `inner` names the trigger or view on whose behalf the action is taken.
int authorize(void* data, int action, const char* first, const char* second, const char* database,
              const char* inner) {
    const bool mainDatabase = !database || named(database, "main");
    // A trigger's own SELECT (its WHEN or a RAISE) passes, as each read and
    // call within it is asked for in turn.
    if (mainDatabase && (inner ? action == SQLITE_SELECT : allowed(action, first, second)))
        return SQLITE_OK;
    static_cast<Connection*>(data)->noteDenial(describe(action, first, second, inner));
    return SQLITE_DENY;
}

int onProgress(void* data) {
    auto* connection = static_cast<Connection*>(data);
    connection->statementRunning();
    return connection->interrupted() ? 1 : 0;
}

}  // namespace

int guardCatalogue(sqlite3* db, Connection& connection) {
    int rc =
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, static_cast<int*>(nullptr));
    if (rc == SQLITE_OK) rc = sqlite3_set_authorizer(db, authorize, &connection);
    if (rc == SQLITE_OK)
        sqlite3_progress_handler(db, kProgressInstructions, onProgress, &connection);
    return rc;
}

}  // namespace tolvane
