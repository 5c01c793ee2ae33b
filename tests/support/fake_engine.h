#pragma once

// A scripted catalogue engine over files on disk: a name with "*" or "?"
// fails with 3055, a missing file with 3024; a file whose first line is
// "PASSWORD=<pw>" needs the connect string ";PWD=<pw>" (else 3031), one whose
// first line is "DAMAGED" fails with 3343; any other file opens.

#include "platform/engine.h"

#include <QSet>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace tolvane::test {

// Knows only the file it was opened on.
class FakeDatabase : public Database {
public:
    explicit FakeDatabase(QString path) : path(std::move(path)) {}
    std::unique_ptr<Recordset> openRecordset(const QString&) override { return nullptr; }
    std::unique_ptr<Recordset> openTable(const QString&) override { return nullptr; }
    void execute(const QString&) override {}
    void close() override {}
    QString path;
};

class FakeEngineFactory : public EngineFactory {
public:
    struct OpenCall {
        QString path;
        bool fourArguments, exclusive, readOnly;
        QString connect;
    };
    std::unique_ptr<Engine> create(const QString& progId) override;

    QSet<QString> uncreatable;  // identifiers whose creation fails with 429
    std::vector<OpenCall> opens;
};

}  // namespace tolvane::test
