#include "core/store/catalogue_builder.h"

#include "core/store/sqlite_status.h"

#include <sqlite3.h>

#include <QFile>

#include <memory>

namespace tolvane {

Status createCatalogue(const QString& path, const QString& password, const QString& sqlScript) {
    const QString temporary = path + QStringLiteral(".tmp");
    QFile::remove(temporary);
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &raw,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
    if (rc == SQLITE_OK && !password.isEmpty()) {
        const QByteArray key = password.toUtf8();
        rc = sqlite3_key(raw, key.constData(), int(key.size()));
    }
    const QByteArray script = "BEGIN;\n" + sqlScript.toUtf8() + "\n;COMMIT;";
    if (rc == SQLITE_OK) rc = sqlite3_exec(raw, script.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        Status failure = statusOf(rc, raw);
        db.reset();
        QFile::remove(temporary);
        return failure;
    }
    db.reset();
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        return fileStatus(StatusCode::FileInUse, path);
    }
    return {};
}

}  // namespace tolvane
