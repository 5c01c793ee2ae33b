#include "core/store/sqlite_status.h"

#include <sqlite3.h>

namespace tolvane {

const char kInvalidPatternMessage[] = "invalid LIKE pattern";

namespace {

// Plain SQLITE_ERROR covers everything the compiler rejects; its message
// tells the cases apart.
Status fromMessage(const QString& message) {
    if (message == QLatin1String(kInvalidPatternMessage)) return Status(StatusCode::InvalidPattern);
    if (message.startsWith(QLatin1String("no such table"))) return Status(StatusCode::NoSuchTable);
    if (message.startsWith(QLatin1String("no such column"))) return Status(StatusCode::UnknownName);
    if (message.contains(QLatin1String("syntax error")) ||
        message.startsWith(QLatin1String("incomplete input")) ||
        message.startsWith(QLatin1String("unrecognized token")))
        return Status(StatusCode::SyntaxError);
    return Status(StatusCode::EngineFailure, standardMessage(StatusCode::EngineFailure) +
                                                 QStringLiteral("（") + message +
                                                 QStringLiteral("）"));
}

// A crash left a hot journal beside the file, which only a connection that
// may write can roll back.
Status needsRecoveryStatus(const QString& path) {
    return Status(StatusCode::ReadOnly,
                  QStringLiteral("目录文件 '%1' 在一次中断的修改之后需要恢复；"
                                 "请用可写的方式打开它一次（例如在本程序的窗口中）。")
                      .arg(path))
        .withEnglish(QStringLiteral("it needs recovery after an interrupted change (a hot journal "
                                    "lies beside it): open it once in the Tolvane window, or any "
                                    "program that writes it, to recover it"));
}

// The schema of a file made by a newer SQLite (a STRICT table, a generated
// column, ...) reads to this engine as malformed.
bool newerSchema(const QString& message) {
    return message.startsWith(QLatin1String("malformed database schema")) &&
           message.contains(QLatin1String("syntax error"));
}

// A rule of the file's own refused the change; the engine's message names
// the field or carries the text the trigger raised.
Status constraintStatus(int rc, const QString& message) {
    switch (rc) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE: return Status(StatusCode::Duplicate);
    case SQLITE_CONSTRAINT_NOTNULL: {
        const QString field = message.section(QLatin1Char('.'), -1);
        return Status(StatusCode::Constraint,
                      QStringLiteral("字段“%1”不能为空：表要求它有值（例如它属于主关键字）。"
                                     "更改没有成功。")
                          .arg(field));
    }
    case SQLITE_CONSTRAINT_TRIGGER:
        return Status(
            StatusCode::Constraint,
            QStringLiteral("文件中的一个触发器拒绝了这次更改：“%1”。更改没有成功。").arg(message));
    default: return Status(StatusCode::Constraint);
    }
}

}  // namespace

Status statusOf(int rc, sqlite3* db) {
    const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    const QString path = file ? QString::fromUtf8(file) : QString();
    switch (rc & 0xFF) {
    case SQLITE_ERROR: return fromMessage(message);
    case SQLITE_NOMEM: return Status(StatusCode::OutOfMemory);
    case SQLITE_READONLY:
        if (rc == SQLITE_READONLY_ROLLBACK) return needsRecoveryStatus(path);
        return Status(StatusCode::ReadOnly);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Status(StatusCode::Locked);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return fileStatus(StatusCode::NotACatalogue, path);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return fileStatus(StatusCode::FileInUse, path);
    case SQLITE_AUTH: return deniedStatus(path, QString());
    case SQLITE_INTERRUPT: return Status(StatusCode::Cancelled);
    case SQLITE_FULL: return Status(StatusCode::DiskFull);
    case SQLITE_IOERR: return Status(StatusCode::DiskError);
    case SQLITE_TOOBIG: return Status(StatusCode::TooBig);
    case SQLITE_MISMATCH: return Status(StatusCode::TypeMismatch);
    case SQLITE_CONSTRAINT: return constraintStatus(rc, message);
    default: return fromMessage(message);
    }
}

Status fileStatus(StatusCode code, const QString& path) {
    switch (code) {
    case StatusCode::FileMissing:
        return Status(code, QStringLiteral("找不到文件 '%1'。").arg(path));
    case StatusCode::NotAFileName:
        return Status(code, QStringLiteral("'%1' 不是有效的文件名。").arg(path));
    case StatusCode::NotACatalogue:
        return Status(code,
                      QStringLiteral("不可识别的数据库格式 '%1'：文件已损坏，或者不是目录数据库。")
                          .arg(path));
    case StatusCode::FileInUse:
        return Status(code,
                      QStringLiteral("无法打开文件 '%1'：文件已被独占打开，或者没有读写它的权限。")
                          .arg(path));
    default: return Status(code);
    }
}

Status fileGoneStatus(const QString& path) {
    return Status(StatusCode::FileGone,
                  QStringLiteral("目录文件 '%1' 已不存在：它在打开之后被删除或被另一个文件替换。"
                                 "更改没有保存。")
                      .arg(path));
}

Status deniedStatus(const QString& path, const QString& what) {
    const QString done = what.isEmpty() ? QStringLiteral("不允许的操作") : what;
    return Status(
        StatusCode::Denied,
        QStringLiteral("对目录文件 '%1' 的操作被拒绝：%2。目录只允许读写 winfun 表中的记录。")
            .arg(path, done));
}

Status openStatus(int rc, sqlite3* db, const QString& path, bool encrypted) {
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        if (!encrypted && newerSchema(QString::fromUtf8(sqlite3_errmsg(db))))
            return Status(StatusCode::NotACatalogue,
                          QStringLiteral("目录文件 '%1' 由较新版本的 SQLite 建立，"
                                         "用了本程序的数据库引擎不认识的功能（如 STRICT 表或"
                                         "生成列）。")
                              .arg(path))
                .withEnglish(QStringLiteral("it was made by a newer SQLite and uses what this "
                                            "engine cannot read (such as a STRICT table or a "
                                            "generated column)"));
        return encrypted ? Status(StatusCode::WrongPassword)
                         : fileStatus(StatusCode::NotACatalogue, path);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return fileStatus(StatusCode::FileInUse, path);
    default: return statusOf(rc, db);
    }
}

}  // namespace tolvane
