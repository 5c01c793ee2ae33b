#include "core/store/sqlite_engine.h"

#include "core/store/error.h"
#include "core/store/sqlite_database.h"
#include "core/store/sqlite_open.h"

namespace tolvane {

std::unique_ptr<Engine> SqliteEngineFactory::create(const QString& progId) {
    if (!creatable_.contains(progId, Qt::CaseInsensitive)) throw Error(err::CannotCreateObject);
    return std::make_unique<SqliteEngine>();
}

void SqliteEngineFactory::setUncreatable(const QString& progId) {
    creatable_.removeIf(
        [&](const QString& id) { return id.compare(progId, Qt::CaseInsensitive) == 0; });
}

std::unique_ptr<Database> SqliteEngine::openDatabase(const QString& path) {
    return openDatabase(path, false, false, QString());
}

std::unique_ptr<Database> SqliteEngine::openDatabase(const QString& path, bool exclusive,
                                                     bool readOnly, const QString& connect) {
    return std::make_unique<SqliteDatabase>(
        openCatalogueFile(path, exclusive, readOnly, passwordOf(connect)));
}

QString passwordOf(const QString& connect) {
    for (qsizetype at = 0;
         (at = connect.indexOf(QLatin1String("PWD="), at, Qt::CaseInsensitive)) >= 0; at += 4) {
        if (at == 0 || connect[at - 1] == u';') return connect.mid(at + 4);
    }
    return {};
}

}  // namespace tolvane
