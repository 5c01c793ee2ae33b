#include "core/store/sqlite_errors.h"

#include <sqlite3.h>

namespace tolvane {

const char kInvalidPatternMessage[] = "invalid LIKE pattern";

namespace {

// Plain SQLITE_ERROR covers everything the compiler rejects; its message
// tells the cases apart.
Error fromMessage(const QString& message) {
    if (message == QLatin1String(kInvalidPatternMessage)) return Error(err::InvalidPattern);
    if (message.startsWith(QLatin1String("no such table"))) return Error(err::NoSuchTable);
    // An unknown name is a value the statement would need: too few parameters.
    if (message.startsWith(QLatin1String("no such column"))) return Error(err::TooFewParameters);
    if (message.contains(QLatin1String("syntax error")) ||
        message.startsWith(QLatin1String("incomplete input")) ||
        message.startsWith(QLatin1String("unrecognized token")))
        return Error(err::SyntaxError);
    return Error(err::EngineFailure, describeError(err::EngineFailure) + QStringLiteral("（") +
                                         message + QStringLiteral("）"));
}

}  // namespace

Error translate(int rc, sqlite3* db) {
    const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    const QString path = file ? QString::fromUtf8(file) : QString();
    switch (rc & 0xFF) {
    case SQLITE_ERROR: return fromMessage(message);
    case SQLITE_NOMEM: return Error(err::OutOfMemory);
    case SQLITE_READONLY: return Error(err::CannotUpdate);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Error(err::Locked);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return fileError(err::NotInDatabase, path);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return fileError(err::FileInUse, path);
    case SQLITE_AUTH: return deniedError(path, QString());
    case SQLITE_INTERRUPT: return Error(err::Cancelled);
    case SQLITE_FULL: return Error(err::DiskFull);
    case SQLITE_IOERR: return Error(err::DiskError);
    case SQLITE_TOOBIG: return Error(err::FieldTooSmall);
    case SQLITE_MISMATCH: return Error(err::TypeMismatch);
    case SQLITE_CONSTRAINT:
        return Error(rc == SQLITE_CONSTRAINT_PRIMARYKEY || rc == SQLITE_CONSTRAINT_UNIQUE
                         ? err::DuplicateKey
                         : err::ValidationFailed);
    default: return fromMessage(message);
    }
}

Error fileError(int number, const QString& path) {
    switch (number) {
    case err::CannotFindFile: return Error(number, QStringLiteral("找不到文件 '%1'。").arg(path));
    case err::NotValidFileName:
        return Error(number, QStringLiteral("'%1' 不是有效的文件名。").arg(path));
    case err::NotInDatabase:
        return Error(number,
                     QStringLiteral("不可识别的数据库格式 '%1'：文件已损坏，或者不是目录数据库。")
                         .arg(path));
    case err::FileInUse:
        return Error(number,
                     QStringLiteral("无法打开文件 '%1'：文件已被独占打开，或者没有读写它的权限。")
                         .arg(path));
    default: return Error(number);
    }
}

Error fileGoneError(const QString& path) {
    return Error(err::CannotFindFile,
                 QStringLiteral(
                     "目录文件 '%1' 已不存在：它在打开之后被删除或被另一个文件替换。更改没有保存。")
                     .arg(path));
}

Error deniedError(const QString& path, const QString& what) {
    const QString done = what.isEmpty() ? QStringLiteral("不允许的操作") : what;
    return Error(
        err::NotPermitted,
        QStringLiteral("对目录文件 '%1' 的操作被拒绝：%2。目录只允许读写 winfun 表中的记录。")
            .arg(path, done));
}

Error openError(int rc, sqlite3* db, const QString& path, bool encrypted) {
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return encrypted ? Error(err::NotValidPassword) : fileError(err::NotInDatabase, path);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return fileError(err::FileInUse, path);
    default: return translate(rc, db);
    }
}

}  // namespace tolvane
