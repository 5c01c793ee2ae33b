#pragma once

#include "core/store/engine.h"

#include <QStringList>

namespace tolvane {

// The catalogue engine over SQLCipher files. Both engine identifiers give
// the same engine; tests can make one uncreatable.
class SqliteEngineFactory final : public EngineFactory {
public:
    // Throws err::CannotCreateObject for an identifier that is not creatable
    // (compared without regard to case).
    std::unique_ptr<Engine> create(const QString& progId) override;
    void setUncreatable(const QString& progId);

private:
    QStringList creatable_{QStringLiteral("DAO.DBEngine.36"), QStringLiteral("DAO.DBEngine.35")};
};

// Opening a catalogue file. "\" separates folders as "/" does. Failures:
//   3055 (NotValidFileName)  empty name, a wildcard "*" or "?", a control
//                            character, or a folder;
//   3024 (CannotFindFile)    no such file; no file is ever created;
//   3051 (FileInUse)         the file cannot be read, or another user holds
//                            it exclusively;
//   3343 (NotInDatabase)     the file is no catalogue (damaged, empty, text;
//                            winfun missing, a view, or without ID or name;
//                            a virtual table declared), naming file and fault;
//   3031 (NotValidPassword)  the file is encrypted and the connect string
//                            ";PWD=..." gives no password or a wrong one.
// Every connection is guarded (see guardCatalogue): statements that do more
// than read winfun and change its rows fail with 3033 (NotPermitted).
// The password of a plain file is ignored. exclusive keeps other users out
// while the database is open; readOnly makes every write fail with 3027.
class SqliteEngine final : public Engine {
public:
    std::unique_ptr<Database> openDatabase(const QString& path) override;
    std::unique_ptr<Database> openDatabase(const QString& path, bool exclusive, bool readOnly,
                                           const QString& connect) override;
};

// The password of a connect string such as ";PWD=secret": everything after
// "PWD=" (so the password may itself hold ";"), or "" without one.
QString passwordOf(const QString& connect);

}  // namespace tolvane
